#include "toolkit/text_box.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>
#include <algorithm>
#include <optional>

#include "toolkit/form.h"
#include "toolkit/qt_text.h"
#include "toolkit/qt_units.h"
#include "toolkit/runtime_error.h"

namespace toolkit {
namespace {

constexpr int16_t kCarriageReturn = 13;
constexpr int16_t kEscape = 27;

// Cut, copy, paste, select all, undo and redo are the field's own editing commands.
bool IsEditingCommand(const QKeyEvent* event) {
  static const QKeySequence::StandardKey kCommands[] = {
      QKeySequence::Paste,     QKeySequence::Copy, QKeySequence::Cut,
      QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo};
  return std::any_of(std::begin(kCommands), std::end(kCommands),
                     [event](QKeySequence::StandardKey key) { return event->matches(key); });
}

// The character code a key produces, as on Windows: a key held with Alt or Meta produces
// none (AltGr, which Windows reports as Ctrl+Alt, still does), and Ctrl+letter and Delete,
// which xcb reports as control characters, are editing keys here, not characters.
std::optional<int16_t> CharacterCode(const QKeyEvent* event) {
  const Qt::KeyboardModifiers held =
      event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (held && held != (Qt::ControlModifier | Qt::AltModifier)) return std::nullopt;
  switch (event->key()) {
    case Qt::Key_Backspace:
      return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kCarriageReturn;
    case Qt::Key_Escape:
      return kEscape;
    default:
      break;
  }
  const QString text = event->text();
  if (text.isEmpty()) return std::nullopt;
  const char16_t unit = text.at(0).unicode();
  if (unit < 0x20 || unit == 0x7F) return std::nullopt;
  return static_cast<int16_t>(unit);
}

// A single-line field keeps the first line of a pasted or dropped text. The field never
// holds a line break, so a break belongs to the text just inserted, which ends at the caret.
class FirstLineOnly : public QValidator {
 public:
  using QValidator::QValidator;
  // A plain search: every text the field takes passes here, so a regular expression's
  // compilation would be paid on each one.
  State validate(QString& text, int& caret) const override {
    const auto line_break =
        std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    const qsizetype line_end = line_break == text.cend() ? -1 : line_break - text.cbegin();
    if (line_end >= 0) {
      text.remove(line_end, std::max<qsizetype>(caret - line_end, 1));
      caret = int(line_end);
    }
    return Acceptable;
  }
};

}  // namespace

class FieldEdit : public QLineEdit {
 public:
  FieldEdit(TextBox& box, QWidget* parent) : QLineEdit(parent), box_(box) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    FlushPendingGotFocus();
    const bool editing = IsEditingCommand(event);
    const std::optional<int16_t> code = CharacterCode(event);
    if (editing || !code) {
      // QLineEdit would insert the text of a key held with Alt or Meta.
      const bool alt_or_meta = event->modifiers() & (Qt::AltModifier | Qt::MetaModifier);
      if (alt_or_meta && !editing && !event->text().isEmpty()) {
        event->ignore();
        return;
      }
      QLineEdit::keyPressEvent(event);
      return;
    }
    ApplyCharacter(*code, [&] { QLineEdit::keyPressEvent(event); });
    event->accept();
  }

  // The fields take half-width text only, as numeric fields in Japanese programs do: they tell
  // an input method they take no input from it, so with one switched on, keys still arrive as
  // plain key presses and no pre-edit holds them. In Qt 6 a QLineEdit answers this query with
  // yes whatever WA_InputMethodEnabled says, and fcitx5 and IBus ask only the query.
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override {
    if (query == Qt::ImEnabled) return false;
    return QLineEdit::inputMethodQuery(query);
  }

  // Should an input method commit all the same, the text is typed character by character
  // through KeyPress, so it cannot insert what the key filter refuses; a pre-edit is not shown.
  void inputMethodEvent(QInputMethodEvent* event) override {
    for (const QChar c : event->commitString()) {
      ApplyCharacter(static_cast<int16_t>(c.unicode()), [&] { insert(QString(c)); });
    }
    event->accept();
  }

  void focusInEvent(QFocusEvent* event) override {
    const bool window_switch =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    const bool returning = window_switch && focus_kept_;
    focus_kept_ = false;
    // QLineEdit would select its whole text on Tab by itself; selecting is GotFocus's to do.
    const bool by_key = event->reason() == Qt::TabFocusReason ||
                        event->reason() == Qt::BacktabFocusReason ||
                        event->reason() == Qt::ShortcutFocusReason;
    QFocusEvent plain(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(by_key ? &plain : event);
    if (returning) return;  // the field never lost the form's focus
    if (event->reason() == Qt::MouseFocusReason && QApplication::mouseButtons() != Qt::NoButton) {
      got_focus_pending_ = true;  // Qt delivers the focus before the press that caused it
    } else {
      box_.GotFocus.Raise();
    }
  }

  void focusOutEvent(QFocusEvent* event) override {
    FlushPendingGotFocus();
    focus_kept_ =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    QLineEdit::focusOutEvent(event);
  }

  void mousePressEvent(QMouseEvent* event) override {
    button_down_ = true;
    RaiseMouse(box_.MouseDown, event);
    FlushPendingGotFocus();
    QLineEdit::mousePressEvent(event);
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    QLineEdit::mouseReleaseEvent(event);
    ReleaseButton(event);
  }

  // The context menu takes the release, so the field is told of it first.
  void contextMenuEvent(QContextMenuEvent* event) override {
    if (button_down_) {
      QMouseEvent release(QEvent::MouseButtonRelease, event->pos(), event->globalPos(),
                          Qt::RightButton, Qt::NoButton, event->modifiers());
      ReleaseButton(&release);
    }
    QLineEdit::contextMenuEvent(event);
  }

 private:
  template <typename ApplyOriginal>
  void ApplyCharacter(int16_t code, ApplyOriginal apply_original) {
    const int16_t original = code;
    box_.KeyPress.Raise(code);
    if (code == 0 || code == kCarriageReturn || code == kEscape) return;
    if (code == original) {
      apply_original();
    } else if (code == kBackspace) {
      backspace();
    } else if (code > 0x1F || code < 0) {
      insert(QString(QChar(static_cast<char16_t>(code))));
    }
  }

  void ReleaseButton(QMouseEvent* event) {
    if (!button_down_) return;
    button_down_ = false;
    RaiseMouse(box_.MouseUp, event);
  }

  static void RaiseMouse(const MouseEvent& mouse_event, QMouseEvent* event) {
    const QPointF at = event->position();
    mouse_event.Raise(ToMouseButton(event->button()), ToShiftState(event->modifiers()),
                      static_cast<float>(at.x()), static_cast<float>(at.y()));
  }

  void FlushPendingGotFocus() {
    if (!got_focus_pending_) return;
    got_focus_pending_ = false;
    box_.GotFocus.Raise();
  }

  TextBox& box_;
  bool focus_kept_ = false;
  bool got_focus_pending_ = false;
  bool button_down_ = false;
};

TextBox::TextBox(Form& form, TwipRect rect, const toolkit::Text& text)
    : edit_(new FieldEdit(*this, form.Client())), last_text_(text) {
  edit_->setGeometry(ToPixels(rect));
  // Qt's own limit of 32767 characters stays: every length then fits a 16-bit integer.
  edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
  edit_->setValidator(new FirstLineOnly(edit_));
  edit_->setText(ToQString(text));
  QObject::connect(edit_, &QLineEdit::textChanged, [this] { OnTextChanged(); });
}

TextBox::~TextBox() = default;  // the widget belongs to the form's client area

void TextBox::OnTextChanged() {
  toolkit::Text now = FromQString(edit_->text());
  if (now == last_text_) return;
  last_text_ = std::move(now);
  Change.Raise();
}

toolkit::Text TextBox::Text() const { return FromQString(edit_->text()); }

void TextBox::SetText(const toolkit::Text& text) {
  const QString wanted = ToQString(text);
  // An equal write must not touch the widget: QLineEdit would move the caret.
  if (edit_->text() == wanted) return;
  const int caret = edit_->cursorPosition();
  edit_->setText(wanted);
  // Unless a nested handler rewrote the text again, the caret stays where it was.
  if (edit_->text() == wanted) edit_->setCursorPosition(std::min(caret, int(wanted.size())));
}

void TextBox::SelectWholeText() {
  SetSelStart(0);
  SetSelLength(static_cast<int32_t>(Text().size()));
}

int32_t TextBox::SelStart() const {
  return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
}

void TextBox::SetSelStart(int32_t start) {
  if (start < 0) throw RuntimeError(ErrorNumber::InvalidPropertyValue);
  edit_->setCursorPosition(std::min<int32_t>(start, int32_t(edit_->text().size())));
}

int32_t TextBox::SelLength() const { return edit_->selectionLength(); }

void TextBox::SetSelLength(int32_t length) {
  if (length < 0) throw RuntimeError(ErrorNumber::InvalidPropertyValue);
  const int32_t start = SelStart();
  const int32_t available = int32_t(edit_->text().size()) - start;
  if (std::min(length, available) == 0) {
    edit_->setCursorPosition(start);
  } else {
    edit_->setSelection(start, std::min(length, available));
  }
}

QWidget* TextBox::Widget() const { return edit_; }

}  // namespace toolkit
