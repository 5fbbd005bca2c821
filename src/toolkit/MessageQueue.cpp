// Queued calls ride on Qt's posted events, so they keep their order with the input and paint
// events queued around them and run in every pump: the main loop, ProcessMessages, modal loops.
#include "toolkit/MessageQueue_p.h"

#include <QCoreApplication>
#include <QEvent>

#include "toolkit/TApplication.h"
#include "toolkit/Guarded_p.h"

namespace tk {
namespace {

const QEvent::Type callEventType = static_cast<QEvent::Type>(QEvent::registerEventType());
unsigned long callsRun = 0;

class CallEvent : public QEvent {
public:
    explicit CallEvent(std::function<void()> call) : QEvent(callEventType), call_(std::move(call)) {}
    void run() {
        ++callsRun;
        guarded(Application, call_);
    }

private:
    std::function<void()> call_;
};

class CallReceiver : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() != callEventType)
            return QObject::event(e);
        static_cast<CallEvent*>(e)->run();
        return true;
    }
};

CallReceiver* receiver() {
    static CallReceiver* instance = nullptr;
    if (instance == nullptr) {
        instance = new CallReceiver;
        instance->setParent(QCoreApplication::instance());
        QObject::connect(instance, &QObject::destroyed, [] { instance = nullptr; });
    }
    return instance;
}

} // namespace

unsigned long queuedCallsRun() { return callsRun; }

void postToLoop(std::function<void()> call) {
    QCoreApplication::postEvent(receiver(), new CallEvent(std::move(call)));
}

} // namespace tk
