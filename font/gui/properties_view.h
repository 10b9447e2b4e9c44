// The properties view (VIEWPROP_Class): the font's and the current character's values
// in a fixed-pitch font.
#pragma once

#include <QFrame>

class PropertiesView : public QFrame {
 public:
  PropertiesView();
  // The fixed-pitch font: Courier New when installed, else the desktop's monospace font.
  static QFont FixedFont();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};
