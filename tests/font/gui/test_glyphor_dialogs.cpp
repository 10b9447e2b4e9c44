// The font converter's dialogs offscreen: each option dialog shows and stores its
// values, the generation options follow the encoding, the XBF type dialog, the font
// chooser's choice in pixels and points.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "font/app/command_ids.h"
#include "font/app/glyphor_app.h"
#include "font/gui/font_chooser.h"
#include "font/gui/glyphor_dialogs.h"

class GlyphorDialogsTest : public QObject {
  Q_OBJECT

  // Kept beside the test as an artefact to look at.
  static void keep(QWidget* dialog, const QString& name) { dialog->grab().save("glyphor-dialog-" + name + ".png"); }

  static std::unique_ptr<RuntimeDialog> option(unsigned id, const FontOptions& o) {
    std::unique_ptr<RuntimeDialog> d(GLYPHOR_CreateOptionDialog(nullptr, id, o));
    if (d) keep(d.get(), QString::number(id));
    return d;
  }

 private slots:
  void compatibility() {
    FontOptions o;
    auto d = option(GLYPHOR_ID_OPT_COMPATIBILITY, o);
    QCOMPARE(d->windowTitle(), QString("Compatibility options"));
    QVERIFY(d->Get<QRadioButton>(120)->isChecked());
    d->Get<QRadioButton>(121)->setChecked(true);
    GLYPHOR_ReadOptionDialog(*d, GLYPHOR_ID_OPT_COMPATIBILITY, &o);
    QCOMPARE(o.Compatibility, 1);
    auto again = option(GLYPHOR_ID_OPT_COMPATIBILITY, o);
    QVERIFY(again->Get<QRadioButton>(121)->isChecked());
    QVERIFY(!again->Get<QRadioButton>(120)->isChecked());
  }

  void magnification() {
    FontOptions o;
    o.MagY = 4;
    auto d = option(GLYPHOR_ID_OPT_MAGNIFICATION, o);
    QCOMPARE(d->windowTitle(), QString("Magnification factor"));
    auto* x = d->Get<QComboBox>(100);
    auto* y = d->Get<QComboBox>(101);
    QCOMPARE(x->count(), 4);
    QCOMPARE(x->itemText(3), QString("4"));
    QCOMPARE(x->currentIndex(), 0);
    QCOMPARE(y->currentIndex(), 3);
    x->setCurrentIndex(2);  // "3"
    y->setCurrentIndex(1);
    GLYPHOR_ReadOptionDialog(*d, GLYPHOR_ID_OPT_MAGNIFICATION, &o);
    QCOMPARE(o.MagX, 3);
    QCOMPARE(o.MagY, 2);
  }

  void logging() {
    FontOptions o;
    o.LogInWorkingDir = 1;
    auto d = option(GLYPHOR_ID_OPT_LOGGING, o);
    QCOMPARE(d->windowTitle(), QString("Logging"));
    QCOMPARE(d->Get<QCheckBox>(111)->text(), QString("Suppress &messages in command line mode"));
    QVERIFY(d->Get<QCheckBox>(112)->isChecked());
    QVERIFY(!d->Get<QCheckBox>(110)->isChecked());
    d->Get<QCheckBox>(110)->setChecked(true);
    d->Get<QCheckBox>(111)->setChecked(true);
    d->Get<QCheckBox>(112)->setChecked(false);
    GLYPHOR_ReadOptionDialog(*d, GLYPHOR_ID_OPT_LOGGING, &o);
    QCOMPARE(o.SuppressLogging, 1);
    QCOMPARE(o.SuppressMessage, 1);
    QCOMPARE(o.LogInWorkingDir, 0);
  }

  void antialiasingAndXbf() {
    FontOptions o;
    auto d = option(GLYPHOR_ID_OPT_ANTIALIASING, o);
    QCOMPARE(d->windowTitle(), QString("Antialiasing (for standard fonts)"));
    d->Get<QCheckBox>(111)->setChecked(true);
    GLYPHOR_ReadOptionDialog(*d, GLYPHOR_ID_OPT_ANTIALIASING, &o);
    QCOMPARE(o.EnableGamma, 1);
    QCOMPARE(o.SuppressOptAA, 0);
    auto x = option(GLYPHOR_ID_OPT_XBF, o);
    QCOMPARE(x->windowTitle(), QString("XBF font options"));
    QCOMPARE(x->Get<QCheckBox>(110)->text(), QString("Suppress autodetection"));
    x->Get<QCheckBox>(110)->setChecked(true);
    GLYPHOR_ReadOptionDialog(*x, GLYPHOR_ID_OPT_XBF, &o);
    QCOMPARE(o.SuppressDetectXBF, 1);
    QCOMPARE(o.EnableGamma, 1);  // another dialog's field stays
    QVERIFY(!GLYPHOR_CreateOptionDialog(nullptr, 779, o));
  }

  void generationOptionsFollowTheEncoding() {
    FontCreateRequest r;
    r.Type = FONT_TYPE_EXT_AA2;
    r.Encoding = FONT_ENC_UNICODE;
    std::unique_ptr<RuntimeDialog> d(GLYPHOR_CreateGenerationDialog(nullptr, r));
    QCOMPARE(d->windowTitle(), QString("Font generation options"));
    keep(d.get(), "generation");
    auto* types = d->Get<QComboBox>(100);
    QCOMPARE(types->count(), 7);
    QCOMPARE(types->currentText(), QString("Extended, antialiased, 2bpp"));
    QVERIFY(!d->Get<QRadioButton>(120)->isEnabled());  // only types 1 and 2 choose the method
    d->Get<QRadioButton>(111)->click();  // 8 Bit ASCII + ISO 8859
    QCOMPARE(types->count(), 3);
    QCOMPARE(types->currentText(), QString("Standard"));
    types->setCurrentIndex(2);
    QVERIFY(d->Get<QRadioButton>(121)->isEnabled());
    d->Get<QRadioButton>(121)->setChecked(true);
    GLYPHOR_ReadGenerationDialog(*d, &r);
    QCOMPARE(r.Type, int(FONT_TYPE_AA4));
    QCOMPARE(r.Encoding, int(FONT_ENC_ISO8859));
    QCOMPARE(r.AAMode, int(FONT_AA_INTERNAL));
    d->Get<QRadioButton>(110)->click();  // back to Unicode: the type is kept
    QCOMPARE(types->count(), 7);
    QCOMPARE(types->currentIndex(), 2);
  }

  // The information frame holds the full title after two empty lines: the text view
  // shows nothing on its first two lines and the title on the third.
  void aboutBoxShowsTheFullTitleInItsFrame() {
    std::unique_ptr<QDialog> box(GLYPHOR_CreateAboutBox(nullptr, GLYPHOR_FullTitle()));
    QCOMPARE(box->windowTitle(), QString("About"));
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    keep(box.get(), "about");
    auto* frame = box->findChild<QGroupBox*>("InformationFrame");
    QVERIFY(frame && frame->isVisible());
    auto* info = frame->findChild<QPlainTextEdit*>();
    QVERIFY(info && info->isReadOnly());
    QCOMPARE(info->toPlainText(), "\n\n" + QString(GLYPHOR_FullTitle()));
    QVERIFY(info->width() >= 52 * QFontMetrics(info->font()).averageCharWidth());
    const QImage shot = info->viewport()->grab().toImage();
    const int line = QFontMetrics(info->font()).lineSpacing();
    const QRgb base = info->palette().color(QPalette::Base).rgb();
    auto inked = [&](int top, int bottom) {
      for (int y = top; y < bottom && y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
          if (shot.pixel(x, y) != base) return true;
      return false;
    };
    const int margin = int(info->document()->documentMargin());
    QVERIFY(!inked(0, margin + 2 * line));
    QVERIFY(inked(margin + 2 * line, margin + 3 * line));
    // The first line of the box names the program as well.
    bool titled = false;
    for (QLabel* l : box->findChildren<QLabel*>()) titled |= l->text() == GLYPHOR_FullTitle();
    QVERIFY(titled);
  }

  void xbfTypeDialog() {
    std::unique_ptr<RuntimeDialog> d(GLYPHOR_CreateXbfTypeDialog(nullptr, FONT_TYPE_EXT_FRM));
    QCOMPARE(d->windowTitle(), QString("Type of XBF-font to be read"));
    keep(d.get(), "xbf-type");
    QCOMPARE(GLYPHOR_ReadXbfTypeDialog(*d), int(FONT_TYPE_EXT_FRM));
    d->Get<QRadioButton>(114)->setChecked(true);
    QCOMPARE(GLYPHOR_ReadXbfTypeDialog(*d), int(FONT_TYPE_EXT_AA4));
    std::unique_ptr<RuntimeDialog> standard(GLYPHOR_CreateXbfTypeDialog(nullptr, FONT_TYPE_AA2));
    QCOMPARE(GLYPHOR_ReadXbfTypeDialog(*standard), int(FONT_TYPE_STD));  // not offered: Standard
  }

  void fontChooserPixelsAndPoints() {
    FontChoice initial;
    initial.Face = "DejaVu Sans";
    initial.Weight = 700;
    initial.Italic = true;
    initial.PixelSize = 19;
    FontChooser chooser(nullptr, {"Aaa Sans", "DejaVu Sans", "Zzz Mono"}, initial);
    keep(&chooser, "font-chooser");
    FontChoice c = chooser.Choice();
    QCOMPARE(QString::fromStdString(c.Face), QString("DejaVu Sans"));
    QCOMPARE(c.Weight, 700);
    QVERIFY(c.Italic);
    QCOMPARE(c.PixelSize, 19);
    QCOMPARE(c.PointMode, 0);
    QVERIFY(!chooser.PixelField()->isHidden());
    QVERIFY(chooser.Points()->isHidden());
    QCOMPARE(chooser.Preview()->font().pixelSize(), 19);
    QVERIFY(chooser.Preview()->font().italic());
    chooser.PointsButton()->click();
    QVERIFY(chooser.PixelField()->isHidden());
    chooser.Points()->setCurrentRow(chooser.Points()->row(chooser.Points()->findItems("12", Qt::MatchExactly).first()));
    c = chooser.Choice();
    QCOMPARE(c.PointMode, 1);
    QCOMPARE(c.PixelSize, 0);
    QCOMPARE(c.ChooserHeight, -16);
    chooser.Faces()->setCurrentRow(2);
    chooser.Styles()->setCurrentRow(6);
    c = chooser.Choice();
    QCOMPARE(QString::fromStdString(c.Face), QString("Zzz Mono"));
    QCOMPARE(c.Weight, 400);
    QVERIFY(!c.Italic);
  }
};

int RunDialogTests(int argc, char** argv) {
  GlyphorDialogsTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "test_glyphor_dialogs.moc"
