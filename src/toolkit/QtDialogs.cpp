// The presenter that asks the user through Qt's dialogs and menus; the one in use unless a test
// puts its own in place.
#include "toolkit/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <cstdio>
#include <map>

#include "toolkit/MenuBuilder_p.h"
#include "toolkit/TApplication.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TPopupMenu.h"
#include "toolkit/TStrings.h"

namespace tk {
namespace {

constexpr int customColorCount = 16;

QMessageBox::Icon messageIcon(unsigned flags) {
    switch (flags & 0xF0) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons messageButtons(unsigned flags) {
    switch (flags & 0x0F) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int messageAnswer(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}

TColor toColor(const QColor& c) { return TColor(c.red() | (c.green() << 8) | (c.blue() << 16)); }

// "ColorA=00FF8000": the letter gives the slot, the digits the colour.
bool parseCustomColor(const AnsiString& entry, int& slot, TColor& color) {
    unsigned value = 0;
    char letter = 0;
    if (std::sscanf(entry.c_str(), "Color%c=%8x", &letter, &value) != 2)
        return false;
    slot = letter - 'A';
    color = TColor(value);
    return slot >= 0 && slot < customColorCount;
}

// Without the windowing system, or on a platform without a screen (the tests' offscreen one),
// nobody can answer a dialog, and a dialog left open would stop the program for good: the
// question is written to the error output and gets the answer that changes nothing.
bool nobodyToAsk() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return true;
    const QString platform = QGuiApplication::platformName();
    return platform == "offscreen" || platform == "minimal";
}

int cautiousAnswer(unsigned flags) {
    switch (flags & 0x0F) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
        return IDCANCEL;
    case MB_YESNO:
        return IDNO;
    default:
        return IDOK;
    }
}

class QtPresenter : public DialogPresenter {
public:
    int messageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) override {
        if (nobodyToAsk()) {
            std::fprintf(stderr, "message box \"%s\": %s\n", toUtf8(caption).c_str(), toUtf8(text).c_str());
            return cautiousAnswer(flags);
        }
        QMessageBox box(messageIcon(flags), qString(caption), qString(text), messageButtons(flags));
        return messageAnswer(box.exec());
    }

    bool chooseColor(TColor& color, TStrings& customColors) override {
        if (nobodyToAsk())
            return false;
        // The component's entries are the dialog's whole set: a slot without one is white, as on a
        // platform whose custom colours were cleared.
        for (int slot = 0; slot < customColorCount; ++slot)
            QColorDialog::setCustomColor(slot, Qt::white);
        for (int i = 0; i < customColors.Count(); ++i) {
            int slot = 0;
            TColor custom = 0;
            if (parseCustomColor(customColors.Strings(i), slot, custom))
                QColorDialog::setCustomColor(slot, qColor(custom));
        }
        const QColor chosen = QColorDialog::getColor(qColor(color));
        if (!chosen.isValid())
            return false;
        color = toColor(chosen);
        customColors.Clear();
        for (int slot = 0; slot < customColorCount; ++slot) {
            char entry[32];
            std::snprintf(entry, sizeof entry, "Color%c=%08X", 'A' + slot,
                          static_cast<unsigned>(toColor(QColorDialog::customColor(slot))));
            customColors.Add(entry);
        }
        return true;
    }

    bool login(const AnsiString& databaseName, AnsiString& userName, AnsiString& password) override {
        if (nobodyToAsk())
            return false;
        QDialog dialog;
        dialog.setWindowTitle("Database Login");
        auto* form = new QFormLayout(&dialog);
        auto* user = new QLineEdit(qString(userName));
        auto* secret = new QLineEdit(qString(password));
        secret->setEchoMode(QLineEdit::Password);
        form->addRow("Database:", new QLabel(qString(databaseName)));
        form->addRow("User Name:", user);
        form->addRow("Password:", secret);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        form->addRow(buttons);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        if (userName.empty())
            user->setFocus();
        else
            secret->setFocus();
        if (dialog.exec() != QDialog::Accepted)
            return false;
        userName = ansiString(user->text());
        password = ansiString(secret->text());
        return true;
    }

    TMenuItem* trackPopup(TPopupMenu& menu, int x, int y) override {
        if (nobodyToAsk())
            return nullptr;
        QMenu popup;
        std::map<QAction*, TMenuItem*> actions;
        fillMenu(popup, *menu.Items(), [&actions](QAction* action, TMenuItem* item) { actions[action] = item; });
        QAction* chosen = popup.exec(QPoint(x, y));
        const auto it = actions.find(chosen);
        return it == actions.end() ? nullptr : it->second;
    }
};

QtPresenter qtPresenter;
DialogPresenter* current = &qtPresenter;

} // namespace

DialogPresenter& dialogPresenter() { return *current; }

void setDialogPresenter(DialogPresenter* presenter) { current = presenter != nullptr ? presenter : &qtPresenter; }

} // namespace tk

bool LoginDialog(const AnsiString& ADatabaseName, AnsiString& AUserName, AnsiString& APassword) {
    return tk::dialogPresenter().login(ADatabaseName, AUserName, APassword);
}

void ShowMessage(const AnsiString& Msg) { Application->MessageBox(Msg, AnsiString(), MB_OK); }
