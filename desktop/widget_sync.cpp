#include "desktop/widget_sync.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include "desktop/qt_text.h"

namespace desktop {

void syncControl(QWidget& widget, const toolkit::Control& control, int hintDurationMs) {
  const toolkit::Geometry& g = control.geometry();
  const QRect rect(g.left, g.top, g.width, g.height);
  if (widget.geometry() != rect) widget.setGeometry(rect);
  if (widget.isVisibleTo(widget.parentWidget()) != control.visible())
    widget.setVisible(control.visible());
  widget.setEnabled(control.enabled());
  widget.setToolTip(toQt(control.hint()));
  widget.setToolTipDuration(hintDurationMs);
  widget.setCursor(QCursor(toQtCursor(control.cursor())));
}

// ---- dialogue view

RichViewWidget::RichViewWidget(QWidget* parent, toolkit::RichView& model)
    : model_(model), edit_(new QTextEdit(parent)) {
  edit_->setReadOnly(true);
  edit_->setUndoRedoEnabled(false);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Lines are centred across the view, so they wrap at its width.
  edit_->setLineWrapMode(QTextEdit::WidgetWidth);
  edit_->setFocusPolicy(Qt::ClickFocus);
}

void RichViewWidget::appendFrom(std::size_t first) {
  QTextCursor cursor(edit_->document());
  cursor.movePosition(QTextCursor::End);
  const auto& lines = model_.lines();
  for (std::size_t i = first; i < lines.size(); ++i) {
    const toolkit::TextStyle& style = lines[i].style;
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignHCenter);
    QTextCharFormat chars;
    chars.setForeground(toQColor(style.color));
    chars.setFont(toQFont(style.fontName, style.fontSize, style.fontStyle));
    if (i == 0) {
      cursor.setBlockFormat(block);
    } else {
      cursor.insertBlock(block);
    }
    cursor.insertText(toQt(lines[i].text), chars);
  }
  shown_ = lines.size();
  edit_->moveCursor(QTextCursor::End);
  edit_->ensureCursorVisible();
}

void RichViewWidget::sync(int hintDurationMs) {
  if (seen_ == model_.revision()) return;
  seen_ = model_.revision();
  syncControl(*edit_, model_, hintDurationMs);
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, toQColor(model_.color()));
  edit_->setPalette(palette);
  if (epoch_ != model_.layoutEpoch()) {
    epoch_ = model_.layoutEpoch();
    edit_->clear();
    shown_ = 0;
  }
  if (shown_ < model_.lineCount()) appendFrom(shown_);
}

// ---- edit field

EditWidget::EditWidget(QWidget* parent, toolkit::Edit& model, ViewSync& views)
    : model_(model), edit_(new QLineEdit(parent)) {
  QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this, &views](const QString& text) {
    views.userAction([this, text] {
      model_.typeText(fromQt(text));
      model_.setCaret(static_cast<std::size_t>(edit_->cursorPosition()));
    });
    // A refused edit, or a character cp1251 lacks, puts the model's text back.
    seen_ = ~0ull;
    sync(edit_->toolTipDuration());
  });
  QObject::connect(edit_, &QLineEdit::cursorPositionChanged, edit_, [this](int, int position) {
    model_.setCaret(static_cast<std::size_t>(position));
  });
}

void EditWidget::sync(int hintDurationMs) {
  if (focusRequests_ != model_.focusRequests()) {
    focusRequests_ = model_.focusRequests();
    if (!edit_->hasFocus() && edit_->window()->isActiveWindow()) edit_->setFocus();
  }
  if (seen_ == model_.revision()) return;
  seen_ = model_.revision();
  syncControl(*edit_, model_, hintDurationMs);
  const QString text = toQt(model_.text());
  if (edit_->text() != text) {
    edit_->setText(text);
    edit_->setCursorPosition(static_cast<int>(model_.caret()));
  }
  edit_->setReadOnly(model_.readOnly());
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, toQColor(model_.color()));
  palette.setColor(QPalette::Text, toQColor(model_.font().color));
  edit_->setPalette(palette);
  const toolkit::Font& font = model_.font();
  edit_->setFont(toQFont(font.name, font.size, font.style));
}

// ---- button

ButtonWidget::ButtonWidget(QWidget* parent, toolkit::Button& model, ViewSync& views)
    : model_(model), button_(new QToolButton(parent)) {
  button_->setFocusPolicy(Qt::NoFocus);
  QObject::connect(button_, &QToolButton::clicked, button_,
                   [this, &views] { views.userAction([this] { model_.userClick(); }); });
}

void ButtonWidget::sync(int hintDurationMs) {
  if (seen_ == model_.revision()) return;
  seen_ = model_.revision();
  syncControl(*button_, model_, hintDurationMs);
  button_->setText(toQt(model_.caption()));
  button_->setAutoRaise(model_.flat());
  // The caption colour holds while the button is enabled; a disabled button greys as usual.
  QPalette palette = button_->palette();
  palette.setColor(QPalette::Active, QPalette::ButtonText, toQColor(model_.fontColor()));
  palette.setColor(QPalette::Inactive, QPalette::ButtonText, toQColor(model_.fontColor()));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
  button_->setPalette(palette);
}

// ---- menu bar

MenuBarWidget::MenuBarWidget(QMenuBar* bar, toolkit::MenuBar& model, ViewSync& views) {
  for (toolkit::MenuItem* menu : model.menus()) {
    QMenu* qmenu = bar->addMenu(toQt(menu->caption()));
    entries_.push_back({menu, qmenu->menuAction(), ~0ull});
    for (toolkit::MenuItem* item : menu->items()) build(qmenu, *item, views);
  }
}

void MenuBarWidget::build(QMenu* menu, toolkit::MenuItem& item, ViewSync& views) {
  if (item.isSeparator()) {
    entries_.push_back({&item, menu->addSeparator(), ~0ull});
    return;
  }
  if (!item.items().empty()) {
    QMenu* sub = menu->addMenu(toQt(item.caption()));
    entries_.push_back({&item, sub->menuAction(), ~0ull});
    for (toolkit::MenuItem* child : item.items()) build(sub, *child, views);
    return;
  }
  QAction* action = menu->addAction(toQt(item.caption()));
  QObject::connect(action, &QAction::triggered, action,
                   [&item, &views] { views.userAction([&item] { item.userClick(); }); });
  entries_.push_back({&item, action, ~0ull});
}

void MenuBarWidget::sync() {
  for (Entry& entry : entries_) {
    // Qt toggles a checkable action by itself when it is chosen; the model's mark decides.
    if (entry.action->isChecked() != entry.item->checked())
      entry.action->setChecked(entry.item->checked());
    if (entry.seen == entry.item->revision()) continue;
    entry.seen = entry.item->revision();
    const toolkit::MenuItem& item = *entry.item;
    entry.action->setVisible(item.visible());
    entry.action->setEnabled(item.enabled());
    if (item.isSeparator()) continue;
    entry.action->setText(toQt(item.caption()));
    entry.action->setCheckable(item.checked());
    entry.action->setChecked(item.checked());
  }
}

// ---- status bar

StatusBarWidget::StatusBarWidget(QStatusBar* bar, toolkit::StatusBar& model)
    : model_(model), bar_(bar) {
  bar_->setSizeGripEnabled(false);
  for (std::size_t i = 0; i < model_.panelCount(); ++i) {
    auto* label = new QLabel(bar_);
    label->setFixedWidth(model_.panelWidth(i));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    bar_->addWidget(label);
    panels_.push_back(label);
  }
}

void StatusBarWidget::sync(int hintDurationMs) {
  if (seen_ == model_.revision()) return;
  seen_ = model_.revision();
  bar_->setToolTip(toQt(model_.hint()));
  bar_->setToolTipDuration(hintDurationMs);
  bar_->setCursor(QCursor(toQtCursor(model_.cursor())));
  for (std::size_t i = 0; i < panels_.size(); ++i) panels_[i]->setText(toQt(model_.panelText(i)));
}

}  // namespace desktop
