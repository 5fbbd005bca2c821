// A help book is one UTF-8 HTML page, the book's first page, named "<book>.chm"; its further
// pages and pictures lie in the folder "<book>" beside it, and the first page's relative links
// point into that folder, also when a page of the book links back to it. Each page's links are
// followed in the viewer; "http:", "https:" and "mailto:" links go to the shell. The viewer window is a form of class "HH Parent" titled with
// the page's <title>; closing it frees it, so that a search for it by class and title stops
// finding it as soon as the close message returns.
#include "toolkit/HelpViewer_p.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QTextDocument>
#include <optional>
#include <string_view>

#include "base/CaseMap.h"
#include "toolkit/FilePath.h"
#include "toolkit/Shell.h"
#include "toolkit/TApplication.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"

namespace tk {
namespace {

constexpr int viewerWidth = 760;
constexpr int viewerHeight = 560;

// A page read whole, or nothing when the file cannot be read.
std::optional<QString> readPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

// The folder a book's first page resolves its relative names against.
QUrl bookFolder(const QFileInfo& book) {
    return QUrl::fromLocalFile(book.absolutePath() + "/" + book.completeBaseName() + "/");
}

bool isShellLink(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == "http" || scheme == "https" || scheme == "mailto";
}

// The browser of one book: relative names, of links and of pictures, resolve against the folder
// of the page on show.
class BookBrowser : public QTextBrowser {
public:
    BookBrowser() {
        setOpenLinks(false);
        setOpenExternalLinks(false);
        connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { follow(link); });
    }

    void showPage(const QString& html, const QUrl& base) {
        base_ = base;
        setHtml(html);
    }

    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource)
            return QTextBrowser::loadResource(type, name);
        QFile file(base_.resolved(name).toLocalFile());
        if (!file.open(QIODevice::ReadOnly))
            return QVariant();
        return file.readAll();
    }

private:
    void follow(const QUrl& link) {
        if (isShellLink(link)) {
            ShellExecute(0, "open", ansiString(link.toString()).c_str(), nullptr, nullptr, 1);
            return;
        }
        const QUrl target = base_.resolved(link);
        if (link.path().isEmpty()) {
            scrollToAnchor(link.fragment());
            return;
        }
        // A link to a page that is not there leaves the page on show.
        const std::optional<QString> page = readPage(target.toLocalFile());
        if (!page)
            return;
        const QFileInfo file(target.toLocalFile());
        showPage(*page, isHelpBook(ansiString(file.fileName())) ? bookFolder(file)
                                                                : target.adjusted(QUrl::RemoveFilename | QUrl::RemoveFragment));
        if (target.hasFragment())
            scrollToAnchor(target.fragment());
    }

    QUrl base_;
};

class THelpPage : public TWinControl {
public:
    explicit THelpPage(TComponent* AOwner) : TWinControl(AOwner, makePeer<BookBrowser, NativePeer>(*this)) {}
    BookBrowser& browser() const { return static_cast<BookBrowser&>(*peer().widget()); }
};

class THelpWindow : public TForm {
public:
    explicit THelpWindow(TComponent* AOwner) : TForm(AOwner), page_(new THelpPage(this)) {
        SetBounds(0, 0, viewerWidth, viewerHeight);
        SetPosition(poScreenCenter);
        page_->SetParent(this);
        page_->SetAlign(alClient);
    }

    AnsiString WindowClassName() const override { return "HH Parent"; }

    void showBook(const QString& html, const QUrl& base, const QString& fallbackTitle) {
        BookBrowser& browser = page_->browser();
        browser.showPage(html, base);
        const QString title = browser.document()->metaInformation(QTextDocument::DocumentTitle);
        SetCaption(ansiString(title.isEmpty() ? fallbackTitle : title));
    }

protected:
    void DoClose(TCloseAction& Action) override { Action = caFree; }

private:
    THelpPage* page_;
};

} // namespace

bool isHelpBook(const AnsiString& fileName) {
    constexpr std::string_view extension = ".CHM";
    const AnsiString upper = base::upperCp1251(fileName);
    return upper.size() > extension.size() && upper.ends_with(extension);
}

bool openHelpBook(const AnsiString& fileName) {
    const QFileInfo book(QString::fromStdString(nativePath(fileName)));
    const std::optional<QString> html = readPage(book.absoluteFilePath());
    if (!html || !book.isFile())
        return false;
    auto* window = new THelpWindow(Application);
    window->showBook(*html, bookFolder(book), book.completeBaseName());
    window->Show();
    window->peer().widget()->activateWindow();
    return true;
}

} // namespace tk
