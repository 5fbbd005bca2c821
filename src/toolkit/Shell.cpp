// Desktop services through Qt: links and files open with QDesktopServices, help books in our own
// viewer; metrics come from the style and the screen.
#include "toolkit/Shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QStyle>
#include <QUrl>
#include <cstdlib>

#include "toolkit/FilePath.h"
#include "toolkit/HelpViewer_p.h"

namespace tk {
namespace {

bool openWithDesktop(const AnsiString& target) {
    const std::string utf8 = toUtf8(target);
    const QString text = QString::fromStdString(utf8);
    // A name with a scheme ("mailto:", "http://") is a link; anything else is a file.
    const QUrl url(text);
    if (url.scheme().size() > 1)
        return QDesktopServices::openUrl(url);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(nativePath(target))));
}

ShellOpener& opener() {
    static ShellOpener current = openWithDesktop;
    return current;
}

void desktopBeep(unsigned) { QApplication::beep(); }

Beeper& beeper() {
    static Beeper current = desktopBeep;
    return current;
}

AnsiString& keyboardLayout() {
    static AnsiString layout;
    return layout;
}

} // namespace

void setShellOpener(ShellOpener replacement) { opener() = replacement ? std::move(replacement) : openWithDesktop; }

void setBeeper(Beeper replacement) { beeper() = replacement ? std::move(replacement) : desktopBeep; }

const AnsiString& activeKeyboardLayout() { return keyboardLayout(); }

} // namespace tk

std::intptr_t ShellExecute(HWND, const char* Operation, const char* File, const char*, const char*, int) {
    constexpr std::intptr_t success = 42;
    constexpr std::intptr_t fileNotFound = 2;
    constexpr std::intptr_t noAssociation = 31;
    if (File == nullptr)
        return fileNotFound;
    if (Operation != nullptr && AnsiString(Operation) != "open")
        return noAssociation;
    // Help books open in our own viewer, whatever the desktop would do with them.
    if (tk::isHelpBook(File))
        return tk::openHelpBook(File) ? success : fileNotFound;
    return tk::opener()(File) ? success : fileNotFound;
}

void MessageBeep(unsigned Type) { tk::beeper()(Type); }

HKL LoadKeyboardLayout(const char* LayoutId, unsigned) {
    if (LayoutId == nullptr)
        return 0;
    tk::keyboardLayout() = LayoutId;
    return static_cast<HKL>(std::strtoul(LayoutId, nullptr, 16));
}

int GetSystemMetrics(int Index) {
    QStyle* style = QApplication::style();
    switch (Index) {
    case SM_CXSCREEN:
        return QGuiApplication::primaryScreen()->geometry().width();
    case SM_CYSCREEN:
        return QGuiApplication::primaryScreen()->geometry().height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CXHSCROLL:
        return style->pixelMetric(QStyle::PM_ScrollBarExtent);
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    default:
        return 0;
    }
}
