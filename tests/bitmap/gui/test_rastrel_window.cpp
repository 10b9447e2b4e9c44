// The bitmap converter's main window offscreen: painting at several zooms and in each
// transparency mode, title, accelerators, menu states and status help, clipboard round
// trip, drops, options Cancel and the help window.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QMenu>
#include <QTextEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "bitmap/app/command_ids.h"
#include "bitmap/app/commands.h"
#include "bitmap/app/image_readers.h"
#include "bitmap/app/options.h"
#include "bitmap/app/view_scale.h"
#include "bitmap/app/window_geometry.h"
#include "common/cmdline/cmdline.h"
#include "common/settings/settings_store.h"
#include "support/text_columns.h"
#include "bitmap/app/rastrel_app.h"
#include "bitmap/document/image.h"
#include "bitmap/gui/image_view.h"
#include "bitmap/gui/main_window.h"
#include "support/temp_dir.h"

namespace {

// Message boxes are recorded instead of shown: a modal box would stop the test.
struct TestWindow : RastrelWindow {
  QStringList Warnings;
  QStringList OpenAnswers;  // scripted open dialogs, first answered first; empty: the real dialog
  int Beeps = 0;
  void ShowWarning(const char* caption, const char* text) override {
    Warnings << QString("%1: %2").arg(caption ? caption : "", text);
  }
  bool AskYesNo(const char*, const char*) override { return true; }
  void Beep() override { ++Beeps; }
  bool AskOpenFileName(FileDialogRequest* r) override {
    if (OpenAnswers.isEmpty()) return RastrelWindow::AskOpenFileName(r);
    r->Chosen = OpenAnswers.takeFirst().toStdString();
    return true;
  }
};

// Runs `act` on the modal dialog that `open` shows (found once it is up), then closes it.
template <typename Dialog = QDialog, typename Open, typename Act>
void with_modal(Open open, Act act) {
  bool seen = false;
  QObject guard;  // the check is dropped if no dialog ran it before this returns
  QTimer::singleShot(0, &guard, [&] {
    auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    seen = d != nullptr;
    if (!d) return;
    act(d);
    if (d->isVisible()) d->reject();
  });
  open();
  QVERIFY2(seen, "no modal dialog of the expected kind");
}

// The filter texts a file dialog shows in its file type box.
QStringList shown_filters(QFileDialog* d) {
  QStringList texts;
  if (auto* box = d->findChild<QComboBox*>("fileTypeCombo"))
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
  return texts;
}

// Saves a dialog's picture beside the test as an artefact.
void keep(QWidget* w, const QString& name) { w->grab().save(name + ".png"); }

QRgb rgb_of(ColorValue c) { return qRgb(COLOR_Red(c), COLOR_Green(c), COLOR_Blue(c)); }

}  // namespace

class RastrelWindowTest : public QObject {
  Q_OBJECT
  TempDir m_dir;
  TestWindow* m_pWindow = nullptr;
  QString m_sample = SAMPLE_BMP;

  QImage grabView() { return m_pWindow->View()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  // Every image pixel of the shown document fills zoom/10 widget pixels from the image's corner.
  void checkImagePixels(int zoom) {
    RASTREL_SetZoom(zoom);
    m_pWindow->Redraw();
    const ImageDocument* doc = IMAGE_GetCurrent();
    const QRect r = m_pWindow->View()->ImageRect();
    QCOMPARE(r.width(), doc->XSize * zoom / 10);
    const QImage shot = grabView();
    shot.save(QString("window-zoom%1.png").arg(zoom));  // kept beside the test as an artefact
    // Each shown pixel is the colour of an image pixel in the span it covers (one pixel
    // when enlarging, the pixels a reduction merges).
    for (int dy = 0; dy < r.height(); dy += 3)
      for (int dx = 0; dx < r.width(); dx += 5) {
        QStringList allowed;
        for (int y = dy * 10 / zoom; y <= std::min(doc->YSize - 1, ((dy + 1) * 10 - 1) / zoom); ++y)
          for (int x = dx * 10 / zoom; x <= std::min(doc->XSize - 1, ((dx + 1) * 10 - 1) / zoom); ++x)
            allowed << QColor(rgb_of(IMAGE_GetColor(doc, x, y))).name();
        const QString shown = QColor(shot.pixel(r.x() + dx, r.y() + dy)).name();
        if (!allowed.contains(shown)) qDebug() << zoom << dx << dy << shown << allowed;
        QVERIFY(allowed.contains(shown));
      }
    // The frame lies 2 pixels outside the image; the pixel between stays background.
    const QRgb frame = shot.pixel(r.x() - 2, r.y() + 1);
    QCOMPARE(QColor(frame).name(), m_pWindow->View()->palette().color(QPalette::WindowText).name());
    QCOMPARE(QColor(shot.pixel(r.x() - 1, r.y() + 1)).name(), m_pWindow->View()->palette().color(QPalette::Base).name());
  }

  // A drag entering the window, then the drop.
  void drag(QMimeData* mime) {
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_pWindow, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_pWindow, &drop);
  }

 private slots:
  void initTestCase() {
    m_pWindow = new TestWindow;
    HOST_Set(m_pWindow);
    const char* argv[] = {"rastrel", nullptr};
    RASTREL_Run(1, argv);  // no file: the window is shown empty
    QVERIFY(m_pWindow->isVisible());
    QCOMPARE(m_pWindow->windowTitle(), QString("Zentile-BitmapConvert V5.46 - No file"));
  }

  void emptyWindowGreysImageCommands() {
    m_pWindow->UpdateMenuStates();
    QVERIFY(!m_pWindow->Action(ID_FILE_SAVEAS)->isEnabled());
    QVERIFY(!m_pWindow->Action(1502)->isEnabled());
    QVERIFY(m_pWindow->Action(ID_FILE_OPEN)->isEnabled());
    emit qobject_cast<QMenu*>(m_pWindow->Action(ID_FILE_OPEN)->parent())->aboutToHide();
    QVERIFY(m_pWindow->Action(ID_FILE_SAVEAS)->isEnabled());  // accelerators stay live
    QVERIFY(grabView().width() > 0);
  }

  void openPaintsTheImageAtEachZoom() {
    QVERIFY(RASTREL_OpenFile(m_sample.toUtf8().constData()));
    m_pWindow->Redraw();
    QCOMPARE(m_pWindow->windowTitle(), "Zentile-BitmapConvert V5.46 - " + m_sample);
    QCOMPARE(RASTREL_GetZoom(), 20);
    for (int zoom : {20, 10, 40, 30, 5}) checkImagePixels(zoom);
    RASTREL_SetZoom(20);
  }

  void acceleratorsZoom() {
    m_pWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pWindow));
    QTest::keyClick(m_pWindow, Qt::Key_Plus);
    QCOMPARE(RASTREL_GetZoom(), 21);
    QTest::keyClick(m_pWindow, Qt::Key_Down);
    QTest::keyClick(m_pWindow, Qt::Key_Minus);
    QCOMPARE(RASTREL_GetZoom(), 19);
    QTest::keyClick(m_pWindow, Qt::Key_Up);
    QCOMPARE(RASTREL_GetZoom(), 20);
  }

  void menuHoverShowsHelpInTheStatusBar() {
    QAction* open = m_pWindow->Action(ID_FILE_OPEN);
    auto* menu = qobject_cast<QMenu*>(open->parent());
    QVERIFY(menu);
    emit menu->hovered(open);
    QCOMPARE(m_pWindow->Status()->Text(), QString("Open an existing image."));
    emit menu->aboutToHide();
    QCOMPARE(m_pWindow->Status()->Text(), QString("Ready"));
    const int updates = m_pWindow->Status()->Updates();
    m_pWindow->ShowStatus("Ready");
    QCOMPARE(m_pWindow->Status()->Updates(), updates);  // same text: not sent again
  }

  void alphaIsShownInEachTransparencyMode() {
    ImageDocument* doc = IMAGE_Create(12, 6, 0);
    doc->HasAlpha = 1;
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 12; ++x) IMAGE_SetIndex(doc, x, y, COLOR_Make(0, 0, 0, x < 6 ? 255 : 0));
    UNDO_Save();
    IMAGE_SetCurrent(doc);
    RASTREL_SetZoom(10);
    const RastrelOptions saved = RASTREL_Options;
    RASTREL_Options.ViewOption = 0;
    m_pWindow->Redraw();
    const QRect r = m_pWindow->View()->ImageRect();
    QImage a = grabView();
    const int phase = m_pWindow->View()->Phase();
    const QRgb light = qRgb(0xCC, 0xCC, 0xCC), dark = qRgb(0x80, 0x80, 0x80);
    QCOMPARE(a.pixel(r.x(), r.y()), phase ? dark : light);
    QCOMPARE(a.pixel(r.x() + 3, r.y()), phase ? light : dark);
    QCOMPARE(a.pixel(r.x() + 8, r.y()), qRgb(0, 0, 0));  // opaque pixels stay
    m_pWindow->View()->FlipPhase();
    QImage b = grabView();
    QCOMPARE(b.pixel(r.x(), r.y()), phase ? light : dark);
    // The view timer flips the phase twice a second in the alternating mode only.
    const int before = m_pWindow->View()->Phase();
    QTRY_VERIFY_WITH_TIMEOUT(m_pWindow->View()->Phase() != before, 1500);
    QTRY_VERIFY_WITH_TIMEOUT(m_pWindow->View()->Phase() == before, 1500);
    RASTREL_Options.ViewOption = 2;
    RASTREL_Options.BkColor = 0x0000FF;  // red
    m_pWindow->Redraw();
    QCOMPARE(grabView().pixel(r.x() + 4, r.y() + 4), qRgb(255, 0, 0));
    RASTREL_Options = saved;
    UNDO_Undo();
    m_pWindow->Redraw();
  }

  void clipboardRoundTrip() {
    const ImageDocument* doc = IMAGE_GetCurrent();
    QVERIFY(doc);
    const ColorValue corner = IMAGE_GetColor(doc, 0, 0);
    const int w = doc->XSize, h = doc->YSize;
    m_pWindow->Command(ID_EDIT_COPY);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    QVERIFY(mime->hasFormat("image/bmp"));
    QVERIFY(mime->hasImage());
    const QByteArray bmp = mime->data("image/bmp");
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    const QImage image = qvariant_cast<QImage>(mime->imageData());
    QCOMPARE(image.size(), QSize(w, h));
    QCOMPARE(image.pixel(0, 0) & 0xFFFFFF, rgb_of(corner) & 0xFFFFFF);
    m_pWindow->Command(ID_IMAGE_ROTATE_90CW);
    QCOMPARE(IMAGE_GetCurrent()->XSize, h);
    m_pWindow->Command(ID_EDIT_PASTE);
    QCOMPARE(IMAGE_GetCurrent()->XSize, w);
    QCOMPARE(IMAGE_GetColor(IMAGE_GetCurrent(), 0, 0), corner);
    QCOMPARE(m_pWindow->Status()->Text(), QString("Image pasted"));
    m_pWindow->Command(ID_EDIT_UNDO);
    QCOMPARE(IMAGE_GetCurrent()->XSize, h);

    // An image put by another program (no image/bmp) is pasted as well.
    QImage other(5, 3, QImage::Format_RGB32);
    other.fill(qRgb(1, 2, 3));
    QApplication::clipboard()->setImage(other);
    m_pWindow->Command(ID_EDIT_PASTE);
    QCOMPARE(IMAGE_GetCurrent()->XSize, 5);
    QCOMPARE(IMAGE_GetColor(IMAGE_GetCurrent(), 4, 2) & 0xFFFFFF, COLOR_Make(1, 2, 3));
  }

  void damagedOrMissingClipboardGivesAMessage() {
    m_pWindow->Warnings.clear();
    auto* mime = new QMimeData;
    QByteArray junk("BM");
    junk.append(QByteArray(14 + 40, '\xFF'));
    mime->setData("image/bmp", junk);
    QApplication::clipboard()->setMimeData(mime);
    const ImageDocument* before = IMAGE_GetCurrent();
    m_pWindow->Command(ID_EDIT_PASTE);
    QCOMPARE(IMAGE_GetCurrent(), before);
    QCOMPARE(m_pWindow->Warnings.size(), 1);
    QApplication::clipboard()->clear();
    RASTREL_Execute(ID_EDIT_PASTE, 0);
    QCOMPARE(m_pWindow->Warnings.size(), 2);
    QVERIFY(m_pWindow->Warnings.last().contains("Can not retrieve DIB data from Clipboard."));
  }

  void dropOpensTheFirstFileAndRefusesFolders() {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(m_sample), QUrl::fromLocalFile("/nonexistent.bmp")});
    drag(&mime);
    QCOMPARE(QString(IMAGE_GetFileName()), m_sample);
    QCOMPARE(m_pWindow->Status()->Text(), QString("2 files dropped: only the first, logo.bmp, was opened."));
    m_pWindow->Warnings.clear();
    QMimeData folder;
    folder.setUrls({QUrl::fromLocalFile(QString::fromStdString(m_dir.Path.string()))});
    drag(&folder);
    QCOMPARE(m_pWindow->Warnings.size(), 1);
    QVERIFY(m_pWindow->Warnings[0].contains("is a folder. Drop an image file"));
    const QString text = QString::fromStdString(m_dir / "notes.txt");
    QFile(text).open(QIODevice::WriteOnly);
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(text), QUrl::fromLocalFile(m_sample)});
    drag(&other);
    QCOMPARE(m_pWindow->Warnings.size(), 2);
    QCOMPARE(m_pWindow->Warnings[1], QString(": \"notes.txt\" is not an image file. Drop a BMP, GIF, PNG, JPEG or SBMP file."));
    QMimeData remote;
    remote.setUrls({QUrl("https://example.invalid/a.bmp")});
    drag(&remote);
    QCOMPARE(m_pWindow->Warnings.size(), 3);
    QCOMPARE(QString(IMAGE_GetFileName()), m_sample);  // nothing else was opened
  }

  void createAlphaDialogBrowsesForBmpFiles() {
    QImage black(4, 2, QImage::Format_RGB32), white(4, 2, QImage::Format_RGB32);
    black.fill(Qt::black);
    white.fill(Qt::white);
    const QString b = QString::fromStdString(m_dir / "black.bmp"), w = QString::fromStdString(m_dir / "white.bmp");
    QVERIFY(black.save(b, "BMP") && white.save(w, "BMP"));
    const int undo = UNDO_Count();
    m_pWindow->Warnings.clear();
    m_pWindow->OpenAnswers = {"/x/photo.png", b, w};
    with_modal([&] { m_pWindow->Command(ID_FILE_CREATE_ALPHA); }, [&](QDialog* d) {
      QCOMPARE(d->windowTitle(), QString("Create Alpha"));
      QStringList labels;
      for (auto* l : d->findChildren<QLabel*>()) labels << l->text();
      QVERIFY(labels.contains("Image 1:") && labels.contains("Image 2:"));
      auto* one = d->findChild<QLineEdit*>("image1");
      auto* two = d->findChild<QLineEdit*>("image2");
      QVERIFY(one && two);
      d->findChild<QPushButton*>("browse1")->click();  // a PNG: refused with a warning
      QCOMPARE(m_pWindow->Warnings, QStringList{"Warning: The image needs to be a BMP file!"});
      QVERIFY(one->text().isEmpty());
      d->findChild<QPushButton*>("browse1")->click();
      d->findChild<QPushButton*>("browse2")->click();
      QCOMPARE(one->text(), b);
      QCOMPARE(two->text(), w);
      keep(d, "dialog-create-alpha");
      d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QVERIFY(IMAGE_GetCurrent()->HasAlpha);
    QCOMPARE(IMAGE_GetCurrent()->XSize, 4);
    QCOMPARE(IMAGE_GetColor(IMAGE_GetCurrent(), 0, 0) >> 24, 255u);
    QCOMPARE(UNDO_Count(), undo + 1);
    // Load Alpha mask: one field; a name that does not open beeps and changes nothing.
    const ImageDocument* doc = IMAGE_GetCurrent();
    with_modal([&] { m_pWindow->Command(ID_FILE_LOAD_ALPHA_MASK); }, [&](QDialog* d) {
      QCOMPARE(d->windowTitle(), QString("Load Alpha mask"));
      QVERIFY(d->findChild<QLineEdit*>("image1"));
      QVERIFY(!d->findChild<QLineEdit*>("image2"));
      keep(d, "dialog-load-alpha-mask");
      d->findChild<QLineEdit*>("image1")->setText(QString::fromStdString(m_dir / "missing.bmp"));
      d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(m_pWindow->Beeps, 1);
    QCOMPARE(IMAGE_GetCurrent(), doc);
    UNDO_Undo();
    QVERIFY(RASTREL_OpenFile(m_sample.toUtf8().constData()));
  }

  void paletteAndAnimationDialogsCarryTheirTitlesAndFilters() {
    QVERIFY(IMAGE_GetCurrent());
    with_modal<QFileDialog>([&] { m_pWindow->Command(ID_FILE_SAVE_PALETTE); }, [&](QFileDialog* d) {
      QCOMPARE(d->windowTitle(), QString("Save palette file"));
      QCOMPARE(shown_filters(d), QStringList{"Vorix palette file (*.GUIPal)"});
      QCOMPARE(d->acceptMode(), QFileDialog::AcceptSave);
      QVERIFY(d->selectedFiles().value(0).endsWith("Palette_000.GUIPal"));
      keep(d, "dialog-save-palette");
    });
    with_modal<QFileDialog>([&] { m_pWindow->Command(ID_IMAGE_CUSTOM_PALETTE); }, [&](QFileDialog* d) {
      QCOMPARE(d->windowTitle(), QString("Open custom palette"));
      QCOMPARE(shown_filters(d), (QStringList{"GUI Palette file (*.GUIPal)", "All files (*.*)"}));
      QCOMPARE(d->acceptMode(), QFileDialog::AcceptOpen);
      keep(d, "dialog-custom-palette");
    });
    // The animation commands' dialogs, as the commands ask them with nothing preset.
    const QString gif = QString::fromStdString(m_dir / "walk.gif");
    QFile(gif).open(QIODevice::WriteOnly);
    FileDialogRequest in;
    with_modal<QFileDialog>([&] { QVERIFY(m_pWindow->AskAnimationGif(ANIMATION_SPRITE, &in)); }, [&](QFileDialog* d) {
      QCOMPARE(d->windowTitle(), QString("Select GIF to convert."));
      QCOMPARE(shown_filters(d), QStringList{"GIF file (*.gif)"});
      keep(d, "dialog-sprite-gif");
      d->findChild<QLineEdit*>("fileNameEdit")->setText(gif);
      d->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Open)->click();
    });
    QCOMPARE(QString::fromStdString(in.Chosen), gif);
    for (AnimationKind kind : {ANIMATION_SPRITE, ANIMATION_CURSOR}) {
      FileDialogRequest out;
      with_modal<QFileDialog>([&] { m_pWindow->AskAnimationOutput(kind, &out); }, [&](QFileDialog* d) {
        const bool sprite = kind == ANIMATION_SPRITE;
        QCOMPARE(d->windowTitle(), QString(sprite ? "Saving animated sprite." : "Saving animated cursor."));
        QCOMPARE(shown_filters(d), QStringList{sprite ? "\"C\" sprite file (*.c)" : "\"C\" cursor file (*.c)"});
        QCOMPARE(QFileInfo(d->selectedFiles().value(0)).fileName(), QString("walk.c"));
        keep(d, sprite ? "dialog-sprite-output" : "dialog-cursor-output");
      });
    }
  }

  // The program's other dialogs open with their titles and at least their layouts' size;
  // their pictures are kept beside the test.
  void everyDialogOpensLaidOut() {
    QVERIFY(RASTREL_OpenFile(m_sample.toUtf8().constData()));
    const int undo = UNDO_Count();
    auto check = [](QDialog* d, const char* title, const char* name) {
      QCOMPARE(d->windowTitle(), QString(title));
      QVERIFY(d->width() >= d->minimumSizeHint().width() && d->height() >= d->minimumSizeHint().height());
      keep(d, QString("dialog-") + name);
    };
    with_modal([&] { m_pWindow->Command(ID_OPTIONS); }, [&](QDialog* d) { check(d, "Options", "options"); });
    with_modal([&] { m_pWindow->Command(ID_HELP_ABOUT); },
               [&](QDialog* d) { check(d, "About Zentile-BitmapConvert", "about"); });
    with_modal([&] { m_pWindow->Command(ID_IMAGE_SCALE); }, [&](QDialog* d) { check(d, "Scale Image", "scale-image"); });
    with_modal([&] { m_pWindow->Command(ID_IMAGE_TRANSPARENCY_DIALOG); },
               [&](QDialog* d) { check(d, "Transparency", "transparency"); });
    FormatDialogRequest format;
    format.pDoc = IMAGE_GetCurrent();
    with_modal([&] { m_pWindow->AskFormat(&format); },
               [&](QDialog* d) { check(d, "Format specification", "format-specification"); });
    while (UNDO_Count() > undo) UNDO_Undo();  // the transparency step
  }

  // The save dialog: the name follows the filter the user picks, and the picked filter's
  // position comes back as the file type.
  void saveDialogNameFollowsTheChosenFilter() {
    static const FileFilter filters[] = {{"\"C\" bitmap file (*.c)", "*.c"}, {"Windows Bitmap file (*.bmp)", "*.bmp"},
                                         {"Graphics interchange format(*.gif)", "*.gif"}};
    FileDialogRequest r;
    r.pTitle = "Save bitmap file";
    r.paFilters = filters;
    r.NumFilters = 3;
    r.InitialName = m_dir / "logo.gif";
    r.FilterIndex = 2;
    bool ok = false;
    with_modal<QFileDialog>([&] { ok = m_pWindow->AskSaveFileName(&r); }, [&](QFileDialog* d) {
      QCOMPARE(shown_filters(d), (QStringList{"\"C\" bitmap file (*.c)", "Windows Bitmap file (*.bmp)",
                                              "Graphics interchange format(*.gif)"}));
      auto* combo = d->findChild<QComboBox*>("fileTypeCombo");
      auto* name = d->findChild<QLineEdit*>("fileNameEdit");
      QCOMPARE(combo->currentIndex(), 2);
      QCOMPARE(name->text(), QString("logo.gif"));
      combo->setCurrentIndex(1);
      emit combo->activated(1);  // as the user picks it
      QCOMPARE(name->text(), QString("logo.bmp"));
      d->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save)->click();
    });
    QVERIFY(ok);
    QCOMPARE(r.FilterIndex, 1);
    QCOMPARE(QString::fromStdString(r.Chosen), QString::fromStdString(m_dir / "logo.bmp"));
  }

  void storedWindowSizeIsFittedToTheScreen() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    StoredWindow big;
    big.Rect = {area.x() - 500, area.y() + 40, area.width() * 2, area.height() + 300};
    big.HasPosition = true;
    RASTREL_SaveWindow(big);
    {
      RastrelWindow w;
      QVERIFY(w.width() <= area.width());
      QVERIFY(w.height() <= area.height());
      QVERIFY(w.width() >= area.width() * 9 / 10);  // as large as the screen allows
      QVERIFY(w.x() >= area.x());
      QVERIFY(w.y() >= area.y());
      QVERIFY(w.x() + w.width() <= area.x() + area.width());
      w.resize(300, 200);
      w.move(area.x() + 20, area.y() + 30);
      w.StoreGeometry();
    }
    const StoredWindow back = RASTREL_LoadWindow();
    QCOMPARE(back.Rect.Width, 300);
    QCOMPARE(back.Rect.Height, 200);
    QCOMPARE(back.Rect.X, area.x() + 20);
    QCOMPARE(back.Rect.Y, area.y() + 30);
    // Stored and restored again and again, the window stays where it was left.
    for (int i = 0; i < 3; ++i) {
      RastrelWindow again;
      QCOMPARE(again.size(), QSize(300, 200));
      QCOMPARE(again.pos(), QPoint(area.x() + 20, area.y() + 30));
      again.StoreGeometry();
    }
  }

  // Every image pixel covers whole, equal device pixels (n x n with n of VIEW_DeviceScale);
  // run as well with QT_SCALE_FACTOR=2 and 1.25 (EXPECT_DPR says which ratio to expect).
  void zoomedPixelsAreWholeDevicePixels() {
    QVERIFY(RASTREL_OpenFile(m_sample.toUtf8().constData()));
    const ImageDocument* doc = IMAGE_GetCurrent();
    const double dpr = m_pWindow->View()->devicePixelRatioF();
    if (qEnvironmentVariableIsSet("EXPECT_DPR")) QCOMPARE(dpr, qEnvironmentVariable("EXPECT_DPR").toDouble());
    for (int zoom : {10, 15, 20, 30, 40}) {
      RASTREL_SetZoom(zoom);
      m_pWindow->Redraw();
      const double n = VIEW_DeviceScale(zoom, dpr);
      if (n != std::floor(n)) continue;  // a fraction at ratio 1 (zoom 1.5), as the zoom defines
      const QImage shot = m_pWindow->View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
      QCOMPARE(shot.devicePixelRatio(), dpr);
      shot.save(QString("window-dpr%1-zoom%2.png").arg(dpr).arg(zoom));
      const QRect d = m_pWindow->View()->DeviceImageRect();
      QCOMPARE(d.width(), doc->XSize * int(n));
      QVERIFY(d.right() < shot.width() && d.bottom() < shot.height());
      for (int y = 0; y < doc->YSize; y += 3)
        for (int x = 0; x < doc->XSize; x += 2) {
          const QRgb want = rgb_of(IMAGE_GetColor(doc, x, y));
          for (int dy = 0; dy < n; ++dy)
            for (int dx = 0; dx < n; ++dx) {
              const QRgb got = shot.pixel(d.x() + x * int(n) + dx, d.y() + y * int(n) + dy) & 0xFFFFFF;
              if (got != (want & 0xFFFFFF)) qDebug() << zoom << x << y << dx << dy;
              QCOMPARE(got, want & 0xFFFFFF);
            }
        }
    }
    RASTREL_SetZoom(20);
  }

  void optionsCancelRestoresTheView() {
    RASTREL_Options.ViewOption = 0;
    uint32_t seenDuring = 99;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog);
      QCOMPARE(dialog->windowTitle(), QString("Options"));
      for (auto* r : dialog->findChildren<QRadioButton*>())
        if (r->text() == "&Colored background") r->click();
      seenDuring = RASTREL_Options.ViewOption;
      for (auto* b : dialog->findChildren<QPushButton*>())
        if (b->text() == "Cancel") b->click();
    });
    m_pWindow->Command(ID_OPTIONS);
    QCOMPARE(seenDuring, 2u);
    QCOMPARE(RASTREL_Options.ViewOption, 0u);
  }

  // Each check box sets its own option and no other; OK keeps them.
  void optionChecksSetTheirOwnFields() {
    RASTREL_Options.PreserveTrans = RASTREL_Options.BigEndianMode = RASTREL_Options.UseARGB = 0;
    RASTREL_Options.ViewOption = 1;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog);
      for (auto* c : dialog->findChildren<QCheckBox*>())
        if (c->text() == "B&ig endian mode" || c->text() == "Sa&ve colors in ARGB mode") c->click();
      QCOMPARE(RASTREL_Options.BigEndianMode, 1u);
      QCOMPARE(RASTREL_Options.UseARGB, 1u);
      QCOMPARE(RASTREL_Options.PreserveTrans, 0u);
      for (auto* c : dialog->findChildren<QCheckBox*>())
        if (c->text() == "B&ig endian mode") c->click();
      for (auto* b : dialog->findChildren<QPushButton*>())
        if (b->text() == "OK") b->click();
    });
    m_pWindow->Command(ID_OPTIONS);
    QCOMPARE(RASTREL_Options.BigEndianMode, 0u);
    QCOMPARE(RASTREL_Options.UseARGB, 1u);
    QCOMPARE(RASTREL_Options.PreserveTrans, 0u);
    QCOMPARE(RASTREL_Options.ViewOption, 1u);
    RASTREL_Options.UseARGB = 0;
    RASTREL_Options.ViewOption = 0;
  }

  // The listing's columns line up in the window's font; the main window takes no input
  // while it is open; Escape destroys it.
  void helpWindowShowsTheListing() {
    m_pWindow->Command(ID_HELP_CMDLINE);
    QPointer<QDialog> help = m_pWindow->HelpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QString("Valid command line options:"));
    QCOMPARE(QApplication::activeModalWidget(), help.data());
    auto* view = help->findChild<QTextEdit*>();
    QVERIFY(view->isReadOnly());
    QCOMPARE(view->lineWrapMode(), QTextEdit::WidgetWidth);
    // Descriptions after one to four tabs and on continuation lines.
    const int desc = LastFieldOf(view, "Converts image into BW");
    for (const char* other : {"Converts image into Gray256", "best palette + transparency", "Flips image horizontally",
                              "Hides the application window", "Rotates image by 90 degrees CW", "Inverts palette",
                              "Terminates the Bitmap Converter", "Displays this box", "Save image file",
                              "Converts image into custom palette", "Scale image to desired size"})
      QCOMPARE(LastFieldOf(view, other), desc);
    // Arguments after one to three tabs, one column before, with the argument headings.
    const int args = LastFieldOf(view, "<FNAME>,<TYPE>");
    QVERIFY(args < desc);
    for (const char* other : {"<WIDTH[%]>", "<NUM_COLORS>", "<COLOR>", "- FNAME:", "- FORMAT: [C or C-stream]"})
      QCOMPARE(LastFieldOf(view, other), args);
    // The value tables.
    const int values = LastFieldOf(view, "- C-bitmap file");
    QVERIFY(values > desc);
    for (const char* other : {"- GIF file", "- 1bpp", "- High color (555)", "- Alpha channel, compr."})
      QCOMPARE(LastFieldOf(view, other), values);
    keep(help, "window-help-columns");
    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(help.isNull());
    QVERIFY(!m_pWindow->HelpWindow());
    QVERIFY(!QApplication::activeModalWidget());
  }

  // With a display, -help shows the listing in the help window, not on standard output.
  void helpArgumentOpensTheHelpWindow() {
    TestWindow w;
    HOST_Set(&w);
    const char* argv[] = {"rastrel", "-help", nullptr};
    RASTREL_Run(2, argv);
    QVERIFY(w.HelpWindow() && w.HelpWindow()->isVisible());
    auto* text = w.HelpWindow()->findChild<QTextEdit*>();
    QVERIFY(text);
    QVERIFY(text->toPlainText().contains("convertintobw"));
    QVERIFY(text->toPlainText().contains("Hides the application window"));
    keep(w.HelpWindow(), "window-help");
    HOST_Set(m_pWindow);
  }

  // -hide as the first command keeps the window hidden; later it comes too late.
  void hideAsFirstCommandKeepsTheWindowHidden() {
    for (bool first : {true, false}) {
      TestWindow w;
      HOST_Set(&w);
      CMDLINE_Reset();
      const QByteArray path = m_sample.toUtf8();
      const char* hideFirst[] = {"rastrel", path.constData(), "-hide", "-fliph", nullptr};
      const char* hideLater[] = {"rastrel", path.constData(), "-fliph", "-hide", nullptr};
      RASTREL_Run(4, first ? hideFirst : hideLater);
      QCOMPARE(w.isVisible(), !first);
      QCOMPARE(IMAGE_GetFileName(), path.constData());  // the job ran either way
    }
    HOST_Set(m_pWindow);
    CMDLINE_Reset();
  }

  void cleanupTestCase() {
    HOST_Set(nullptr);
    delete m_pWindow;
  }
};

QTEST_MAIN(RastrelWindowTest)
#include "test_rastrel_window.moc"
