// Memos over Qt plain-text edits. The widget holds the text with LF breaks; the line list is
// brought into step after every change of the widget's text, and the widget after every change
// of the list, one direction at a time.
#include "toolkit/TMemo.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include "toolkit/TControl_p.h"
#include "toolkit/TStringList.h"

namespace {

QPlainTextEdit& textEdit(const TMemo& memo) { return static_cast<QPlainTextEdit&>(*memo.peer().widget()); }

QString widgetText(const AnsiString& text) {
    QString result = tk::qString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

Qt::ScrollBarPolicy policy(bool on) { return on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; }

} // namespace

class TMemo::LineList : public TStringList {
public:
    explicit LineList(TMemo& memo) : memo_(memo) {}

protected:
    void Changed() override {
        TStringList::Changed();
        if (memo_.syncing_) return;
        memo_.syncing_ = true;
        QString text = widgetText(TStringList::Text());
        if (text.endsWith(u'\n')) text.chop(1);
        textEdit(memo_).setPlainText(text);
        memo_.syncing_ = false;
        memo_.textChanged();
    }

private:
    TMemo& memo_;
};

TMemo::TMemo(TComponent* AOwner)
    : TWinControl(AOwner, tk::makePeer<QPlainTextEdit, tk::NativePeer>(*this)), lines_(std::make_unique<LineList>(*this)) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
    QPlainTextEdit& edit = textEdit(*this);
    edit.setTabChangesFocus(true);
    SetScrollBars(ssNone);
    SetWordWrap(true);
    QObject::connect(&edit, &QPlainTextEdit::textChanged, [this] {
        if (!syncing_) tk::guarded(this, [this] { textChanged(); });
    });
}

TMemo::~TMemo() {
    Destroying();
    textEdit(*this).disconnect();
}

TStrings* TMemo::Lines() const { return lines_.get(); }

AnsiString TMemo::Text() const {
    QString text = textEdit(*this).toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return tk::ansiString(text);
}

void TMemo::SetText(const AnsiString& Value) { textEdit(*this).setPlainText(widgetText(Value)); }

void TMemo::SetMaxLength(int Value) { maxLength_ = Value > 0 ? Value : 0; }

void TMemo::SetScrollBars(TScrollStyle Value) {
    scrollBars_ = Value;
    QPlainTextEdit& edit = textEdit(*this);
    edit.setVerticalScrollBarPolicy(policy(Value == ssVertical || Value == ssBoth));
    edit.setHorizontalScrollBarPolicy(policy(Value == ssHorizontal || Value == ssBoth));
}

void TMemo::SetWordWrap(bool Value) {
    wordWrap_ = Value;
    textEdit(*this).setLineWrapMode(Value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool TMemo::ReadOnly() const { return textEdit(*this).isReadOnly(); }

void TMemo::SetReadOnly(bool Value) { textEdit(*this).setReadOnly(Value); }

// Cuts text past the limit (a CR LF counts two, as in Text), then brings the lines into step.
void TMemo::textChanged() {
    QPlainTextEdit& edit = textEdit(*this);
    syncing_ = true;
    if (maxLength_ > 0) {
        const QString text = edit.toPlainText();
        const qsizetype breaks = text.count(u'\n');
        if (text.size() + breaks > maxLength_) {
            QString kept;
            int length = 0;
            for (const QChar c : text) {
                length += c == u'\n' ? 2 : 1;
                if (length > maxLength_) break;
                kept += c;
            }
            edit.setPlainText(kept);
            edit.moveCursor(QTextCursor::End);
        }
    }
    lines_->SetText(Text());
    syncing_ = false;
    Change();
}

void TMemo::Change() {
    if (OnChange)
        OnChange(this);
}

void TMemo::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    }
    TWinControl::WndProc(Message);
}
