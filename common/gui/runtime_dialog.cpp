// Run-time dialogs: controls created from the description at scaled places.
#include "common/gui/runtime_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Height of a line of the dialog font the descriptions are measured in.
constexpr double kDialogFontHeight = 13.0;
// Average character width of that font.
constexpr double kDialogCharWidth = 6.0;

QString text_of(const char* text) { return QString::fromUtf8(text ? text : ""); }

QWidget* create_control(QDialog* dialog, const GuiControlDesc& c) {
  switch (c.Kind) {
    case GUI_CTRL_BUTTON:
    case GUI_CTRL_DEFAULT_BUTTON: {
      auto* b = new QPushButton(text_of(c.pText), dialog);
      b->setDefault(c.Kind == GUI_CTRL_DEFAULT_BUTTON);
      b->setAutoDefault(c.Kind == GUI_CTRL_DEFAULT_BUTTON);
      if (c.Id == GUI_ID_OK) QObject::connect(b, &QPushButton::clicked, dialog, &QDialog::accept);
      if (c.Id == GUI_ID_CANCEL) QObject::connect(b, &QPushButton::clicked, dialog, &QDialog::reject);
      return b;
    }
    case GUI_CTRL_LABEL: {
      auto* l = new QLabel(text_of(c.pText), dialog);
      l->setTextFormat(Qt::PlainText);
      return l;
    }
    case GUI_CTRL_EDIT: return new QLineEdit(text_of(c.pText), dialog);
    case GUI_CTRL_CHECK: return new QCheckBox(text_of(c.pText), dialog);
    case GUI_CTRL_RADIO: return new QRadioButton(text_of(c.pText), dialog);
    case GUI_CTRL_GROUP: return new QGroupBox(text_of(c.pText), dialog);
    case GUI_CTRL_LIST: return new QComboBox(dialog);
    case GUI_CTRL_TEXT: {
      auto* t = new QPlainTextEdit(text_of(c.pText), dialog);
      t->setReadOnly(true);
      return t;
    }
  }
  return nullptr;
}

}  // namespace

QPoint GUI_CentreOver(const QRect& parent, const QSize& size, const QRect* workArea) {
  int x = parent.x() + (parent.width() - size.width()) / 2;
  int y = parent.y() + (parent.height() - size.height()) / 2;
  if (workArea) {
    x = std::max(workArea->left(), std::min(x, workArea->x() + workArea->width() - size.width()));
    y = std::max(workArea->top(), std::min(y, workArea->y() + workArea->height() - size.height()));
  }
  return {x, y};
}

RuntimeDialog::RuntimeDialog(QWidget* parent, const GuiDialogDesc& desc) : QDialog(parent) {
  setWindowTitle(text_of(desc.pTitle));
  const QFontMetrics fm(font());
  m_scale = std::max(1.0, fm.height() / kDialogFontHeight);
  // Horizontal places follow the width of the font's characters as well.
  m_scaleX = std::max(m_scale, fm.averageCharWidth() / kDialogCharWidth);
  const double sx = m_scaleX;
  auto px = [](int v, double scale) { return static_cast<int>(v * scale + 0.5); };
  QLabel* pendingLabel = nullptr;
  std::vector<QWidget*> groups;
  std::vector<std::pair<QWidget*, int>> widened;  // with the right edge it was given
  for (int i = 0; i < desc.NumControls; ++i) {
    const GuiControlDesc& c = desc.paControls[i];
    QWidget* w = create_control(this, c);
    if (!w) continue;
    // A drop-down list is one line high; its height in the description is the drop height.
    const int h = c.Kind == GUI_CTRL_LIST ? std::max(px(21, m_scale), w->sizeHint().height()) : px(c.Height, m_scale);
    int width = px(c.Width, sx);
    // Texts are never cut: a control is at least as wide as its text needs.
    if ((c.Kind == GUI_CTRL_LABEL || c.Kind == GUI_CTRL_CHECK || c.Kind == GUI_CTRL_RADIO) &&
        w->sizeHint().width() > width) {
      widened.push_back({w, px(c.X, sx) + width});
      width = w->sizeHint().width();
    }
    w->setGeometry(px(c.X, sx), px(c.Y, m_scale), width, h);
    if (c.Kind == GUI_CTRL_GROUP) {
      w->lower();
      groups.push_back(w);
    }
    // A label's mnemonic focuses the control that follows it.
    if (pendingLabel && c.Kind != GUI_CTRL_LABEL && c.Kind != GUI_CTRL_GROUP) {
      pendingLabel->setBuddy(w);
      pendingLabel = nullptr;
    }
    if (c.Kind == GUI_CTRL_LABEL && c.pText && std::strchr(c.pText, '&')) pendingLabel = static_cast<QLabel*>(w);
    m_controls.emplace(c.Id, w);
  }
  // A widened control pushes the controls that stood right of it (on its rows) and
  // everything further right by the room it took.
  for (auto& [w, given] : widened) {
    const QRect r = w->geometry();
    for (auto& [id, other] : m_controls) {
      const QRect o = other->geometry();
      if (other == w || o.left() < given || o.left() > r.right() + 8 || o.bottom() < r.top() || o.top() > r.bottom())
        continue;
      const int shift = r.right() + 8 - o.left();
      const int from = o.left();
      for (auto& [id2, moved] : m_controls)
        if (moved->x() >= from) moved->move(moved->x() + shift, moved->y());
    }
  }
  // Groups hold the controls that start inside them; the dialog holds everything.
  QRect all(0, 0, px(desc.Width, sx), px(desc.Height, m_scale));
  for (QWidget* g : groups) {
    QRect r = g->geometry();
    for (auto& [id, w] : m_controls)
      if (w != g && r.contains(w->geometry().topLeft())) r.setRight(std::max(r.right(), w->geometry().right() + 8));
    g->setGeometry(r);
  }
  for (auto& [id, w] : m_controls) all = all.united(w->geometry().adjusted(0, 0, 10, 10));
  setFixedSize(all.size());
}

QWidget* RuntimeDialog::Control(int id) const {
  auto it = m_controls.find(id);
  return it == m_controls.end() ? nullptr : it->second;
}

void RuntimeDialog::showEvent(QShowEvent* event) {
  if (QWidget* owner = parentWidget()) {
    const QRect frame = owner->window()->frameGeometry();
    QScreen* s = owner->screen();
    const QRect area = s ? s->availableGeometry() : QRect();
    move(GUI_CentreOver(frame, size(), s ? &area : nullptr));
  }
  QDialog::showEvent(event);
}
