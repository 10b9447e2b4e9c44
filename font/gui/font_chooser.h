// The font chooser of New: face from the installed families, style, size in pixels or
// points, and a preview of the choice.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

struct FontChoice {
  std::string Face;
  int Weight = 400;
  bool Italic = false;
  int PixelSize = 0;      // 0 in point mode
  int ChooserHeight = 0;  // logical height of the point size (negative)
  int PointMode = 0;
};

class FontChooser : public QDialog {
 public:
  FontChooser(QWidget* parent, const std::vector<std::string>& faces, const FontChoice& initial);
  FontChoice Choice() const;
  // Controls, for the window's tests.
  QListWidget* Faces() const { return m_pFaces; }
  QListWidget* Styles() const { return m_pStyles; }
  QListWidget* Points() const { return m_pPoints; }
  QLineEdit* PixelField() const { return m_pPixels; }
  QRadioButton* PixelsButton() const { return m_pPixelMode; }
  QRadioButton* PointsButton() const { return m_pPointMode; }
  QLabel* Preview() const { return m_pPreview; }

 private:
  void updateMode();
  void updatePreview();

  QLineEdit* m_pFilter;
  QListWidget* m_pFaces;
  QListWidget* m_pStyles;
  QListWidget* m_pPoints;
  QLineEdit* m_pPixels;
  QRadioButton* m_pPixelMode;
  QRadioButton* m_pPointMode;
  QLabel* m_pPreview;
};
