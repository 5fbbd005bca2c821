// The application object and the Qt application under it. The Qt application is made by
// Initialize and outlives every window; shutDownApplication takes it down.
//
//   created --Initialize--> ready --Run--> running --Terminate / main form closed--> terminated
#include "toolkit/TApplication.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "toolkit/DataSetUiHooks.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FilePath.h"
#include "toolkit/MessageQueue_p.h"
#include "toolkit/ScrollBarPictures_p.h"
#include "toolkit/ShutdownSteps.h"
#include "toolkit/TControl_p.h"
#include "toolkit/WindowRegistry_p.h"

namespace {

// Qt keeps references to argc and argv for the application's lifetime.
int qtArgc = 1;
char qtArg0[] = "valinfo";
char* qtArgv[] = {qtArg0, nullptr};

// Tool tips show only while the application's ShowHint is on.
class HintFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip && !Application->ShowHint())
            return true;
        return QObject::eventFilter(watched, event);
    }
};

// Qt's own dialogs and standard buttons speak the program's language, whatever the user's locale,
// as the platform's own dialogs did. Without the translation installed they stay in English.
void loadQtTranslation(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

// The program writes no file but its own settings file. Qt's dialogs would keep their state in the
// user's configuration folder (the colour dialog its custom colours, which the colour dialog
// component keeps itself), so Qt's settings are pointed below the executable file, where no
// folder can be made.
void keepQtSettingsOffDisk() {
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, tk::qString(tk::executableFileName()));
}

// Made by Initialize, destroyed by shutDownApplication before main returns: Qt's own globals
// may be gone by the time static destructors run.
QApplication* qtApplication = nullptr;
TApplication applicationObject(nullptr);

} // namespace

TApplication* Application = &applicationObject;

// The dataset layer lies below the windows and reaches them only through its hooks: its
// exceptions go to HandleException and its logins to the one login dialog of the presenter.
TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
    tk::setExceptionHandler([this](TPersistent* sender) { HandleException(sender); });
    tk::setLoginDialog([](const AnsiString& database, AnsiString& user, AnsiString& password, bool) {
        return LoginDialog(database, user, password);
    });
}

TApplication::~TApplication() {
    tk::setExceptionHandler({});
    tk::setLoginDialog({});
    Destroying();
    DestroyComponents();
}

void TApplication::Initialize() {
    if (QCoreApplication::instance() != nullptr)
        return;
    keepQtSettingsOffDisk();
    qtApplication = new QApplication(qtArgc, qtArgv);
    loadQtTranslation(*qtApplication);
    QApplication::setStyle(new tk::ScrollBarPictures);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationDisplayName(tk::qString(title_));
    qtApplication->installEventFilter(new HintFilter(qtApplication));
}

void TApplication::SetTitle(const AnsiString& Value) {
    title_ = Value;
    if (QCoreApplication::instance() != nullptr)
        QGuiApplication::setApplicationDisplayName(tk::qString(Value));
}

void TApplication::formCreated(TForm* form) {
    if (mainForm_ != nullptr)
        return;
    mainForm_ = form;
    // DestroyComponents frees owned forms without removing them first, so the owner's own
    // notice would not come; the form's free notification always does.
    form->FreeNotification(this);
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent == mainForm_)
        mainForm_ = nullptr;
    TComponent::Notification(AComponent, Operation);
}

void TApplication::Run() {
    if (mainForm_ != nullptr)
        mainForm_->Show();
    while (!terminated_)
        HandleMessage();
}

void TApplication::Terminate() {
    terminated_ = true;
    // Wakes a loop that is waiting for messages.
    tk::postToLoop([] {});
}

// Inside the handling of a queued event, Qt's dispatcher leaves the events queued before it
// alone until something new is queued; a pump inside a handler must see them, so posted events
// are sent first, explicitly.
void TApplication::ProcessMessages() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::HandleMessage() {
    const unsigned long before = tk::queuedCallsRun();
    QCoreApplication::sendPostedEvents();
    if (tk::queuedCallsRun() != before)
        return;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TApplication::HandleException(TPersistent* Sender) {
    const std::exception_ptr current = std::current_exception();
    if (!current)
        return;
    try {
        std::rethrow_exception(current);
    } catch (const std::exception& e) {
        if (OnException)
            OnException(Sender, e);
        else
            ShowException(e);
    } catch (...) {
        const Exception unknown("Unknown exception");
        if (OnException)
            OnException(Sender, unknown);
        else
            ShowException(unknown);
    }
}

void TApplication::ShowException(const std::exception& E) {
    AnsiString text = E.what();
    // The platform's sentences end with a full stop; a message that has none gets one.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    MessageBox(text, title_, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const AnsiString& Text, const AnsiString& Caption, unsigned Flags) {
    tk::cancelMode();
    return tk::dialogPresenter().messageBox(Text, Caption.empty() ? title_ : Caption, Flags);
}

void TApplication::SetShowHint(bool Value) { showHint_ = Value; }

void TApplication::WndProc(TMessage& Message) {
    if (Message.Msg != WM_SYSCOMMAND || (Message.WParam & 0xFFF0) != SC_MINIMIZE)
        return;
    for (TWinControl* window : tk::topLevelWindows())
        if (dynamic_cast<TForm*>(window) != nullptr && window->peer().widget()->isVisible())
            window->peer().widget()->showMinimized();
}

bool TApplication::Active() const {
    return QCoreApplication::instance() != nullptr && QApplication::activeWindow() != nullptr;
}

namespace tk {

void handleGuardedException(TPersistent* sender) { Application->HandleException(sender); }

void shutDownApplication() {
    Application->DestroyComponents();
    runShutdownSteps();
    if (qtApplication == nullptr)
        return;
    // Widgets of freed controls are deleted at the next pass of the loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete qtApplication;
    qtApplication = nullptr;
}

} // namespace tk
