// Dialogs built at run time from a description: title, size and controls in dialog
// pixels of the classic dialog font, centred over the parent. The places scale with the
// desktop font so the controls keep their order and room at any font size; a text that
// needs more room widens its control (and the group and dialog around it).
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <map>

enum GuiControlKind {
  GUI_CTRL_BUTTON,          // push button; id 1 accepts, id 2 rejects the dialog
  GUI_CTRL_DEFAULT_BUTTON,  // the button Enter presses
  GUI_CTRL_LABEL,
  GUI_CTRL_EDIT,
  GUI_CTRL_CHECK,
  GUI_CTRL_RADIO,
  GUI_CTRL_GROUP,  // group frame with a title, drawn below the controls inside it
  GUI_CTRL_LIST,   // drop-down list; Height is the drop height
  GUI_CTRL_TEXT,   // multi-line read-only text
};

struct GuiControlDesc {
  GuiControlKind Kind;
  const char* pText;
  int Id;
  int X, Y, Width, Height;
};

struct GuiDialogDesc {
  const char* pTitle;
  int Width, Height;
  const GuiControlDesc* paControls;
  int NumControls;
};

enum { GUI_ID_OK = 1, GUI_ID_CANCEL = 2 };

// Top-left corner of a dialog of the given size centred over the parent's frame; with
// a work area, the corner is kept inside it (left and top at least the area's origin,
// at most its right or bottom edge minus the dialog's width or height).
QPoint GUI_CentreOver(const QRect& parent, const QSize& size, const QRect* workArea);

class RuntimeDialog : public QDialog {
 public:
  RuntimeDialog(QWidget* parent, const GuiDialogDesc& desc);
  // The control with the identifier (the first one when several share it), or null.
  QWidget* Control(int id) const;
  template <class T>
  T* Get(int id) const {
    return qobject_cast<T*>(Control(id));
  }
  // Dialog pixels to device-independent pixels for the current font: vertically and
  // horizontally (at least the vertical one).
  double Scale() const { return m_scale; }
  double ScaleX() const { return m_scaleX; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::multimap<int, QWidget*> m_controls;
  double m_scale = 1.0;
  double m_scaleX = 1.0;
};
