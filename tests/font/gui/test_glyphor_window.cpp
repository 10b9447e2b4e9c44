// The font converter's main window offscreen: the overview and the character view of a
// hand-made font compared pixel by pixel with the document, keys and clicks, menu and
// tool-bar states, title, status texts, drops and New through both dialogs.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QWheelEvent>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

#include "font/app/char_view_rules.h"
#include "font/app/command_ids.h"
#include "font/app/commands.h"
#include "font/app/font_options.h"
#include "font/app/overview_layout.h"
#include "font/app/window_rules.h"
#include "font/formats/font_save.h"
#include "font/generator/glyph_gen.h"
#include "font/gui/char_view.h"
#include "font/gui/font_chooser.h"
#include "font/gui/glyphor_dialogs.h"
#include "font/gui/main_window.h"
#include "font/gui/overview_view.h"
#include "font/gui/view_colours.h"
#include "font/model/current_font.h"
#include "font/model/edit_log.h"
#include "font/model/font_messages.h"
#include "font/support/font_test_util.h"
#include "support/temp_dir.h"
#include "support/text_columns.h"

namespace {

// Message boxes are recorded instead of shown: a modal box would stop the test.
struct TestWindow : GlyphorWindow {
  QStringList Warnings;
  void ShowWarning(const char* caption, const char* text) override {
    Warnings << QString("%1: %2").arg(caption ? caption : "", text);
  }
};

QRgb rgb(uint32_t bgr) { return GLYPHOR_Rgb(bgr); }

// Standard 1 bpp font of height 10: 'A' and 'B' with a few pixels, 0x20..0x7F enabled.
FontDoc* make_font() {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 10);
  std::snprintf(doc->Lf.acFaceName, FONT_FACE_CHARS, "Hand");
  for (unsigned c = 0x20; c <= 0x7F; ++c) fonttest::add_glyph(doc, c, 6, 10);
  fonttest::enable_only(doc, 0x20, 0x7F);
  doc->MaxWidth = 6;
  FONT_SetPixel(doc, 'A', 0, 0, 1);
  FONT_SetPixel(doc, 'A', 5, 9, 1);
  FONT_SetPixel(doc, 'A', 2, 4, 1);
  FONT_SetPixel(doc, 'B', 1, 1, 1);
  FONT_AssignAreas(doc);
  return doc;
}

}  // namespace

class GlyphorWindowTest : public QObject {
  Q_OBJECT
  TempDir m_dir;
  TestWindow* m_pWindow = nullptr;

  FontDoc* doc() const { return FONT_GetCurrent(); }

  // The cell of a code in the overview image: its left line and the row's top.
  QPoint cellOrigin(unsigned code) {
    const OverviewGeometry g = OVERVIEW_Geometry(doc());
    const auto listed = OVERVIEW_ListedBlocks(doc(), GLYPHOR_IsEnabledOnlyView());
    const int row = OVERVIEW_RowOfCode(listed, code) - m_pWindow->Overview()->FirstRow();
    return {OVERVIEW_CellX(g, static_cast<int>(code & 15)) - m_pWindow->Overview()->XOffset(), row * g.RowHeight};
  }

  // Every pixel of a glyph cell in the overview against the document.
  void checkCell(const QImage& shot, unsigned code, bool current) {
    const QPoint o = cellOrigin(code);
    const FontChar& c = doc()->aChar[code];
    const OverviewGeometry g = OVERVIEW_Geometry(doc());
    const uint32_t bg = current ? 0u : uint32_t(c.Enabled ? GLYPHOR_COLOUR_WHITE : GLYPHOR_COLOUR_GREY);
    for (int y = 0; y < g.FillHeight; ++y)
      for (int x = 0; x < g.CellFill; ++x) {
        const int gx = x - (OVERVIEW_GLYPH_X - 1);
        const int v = gx >= 0 && gx < c.Width && y < 10 ? FONT_GetPixel(doc(), code, gx, y) : 0;
        uint32_t expected = bg;
        if (v) expected = current ? FONTGEN_ValueToColour(doc()->Type, 1 - v) : FONTGEN_ValueToColour(doc()->Type, v);
        QCOMPARE(QColor(shot.pixel(o.x() + 1 + x, o.y() + 1 + y)), QColor(rgb(expected)));
      }
    // The lines around the cell.
    QCOMPARE(QColor(shot.pixel(o.x(), o.y() + 5)), QColor(Qt::black));
    QCOMPARE(QColor(shot.pixel(o.x() + 5, o.y())), QColor(Qt::black));
  }

 private slots:
  void init() {
    FONTOPT_ResetCache();
    fonttest::init_tables();
    FONTGEN_BuildTables();
    GLYPHOR_ResetCommandState();
    FONTMSG_Reset();
    m_pWindow = new TestWindow;
    GLYPHOR_SetHost(m_pWindow);
    FONT_SetCurrent(make_font());
    FONT_SetCurrentChar(doc(), 'A');
    m_pWindow->SetActiveView(GLYPHOR_VIEW_OVERVIEW);
    m_pWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pWindow));
    m_pWindow->Redraw();
  }

  void cleanup() {
    GLYPHOR_SetHost(nullptr);
    delete m_pWindow;
    m_pWindow = nullptr;
    FONT_SetCurrent(nullptr);
  }

  void windowFrame() {
    QCOMPARE(m_pWindow->windowTitle(), QString("Zentile-FontConvert V5.46 - Untitled"));
    QCOMPARE(m_pWindow->objectName(), QString("MainWindow"));
    QCOMPARE(m_pWindow->minimumSize(), QSize(240, 180));
    QVERIFY(m_pWindow->acceptDrops());
    QCOMPARE(m_pWindow->ToolBar()->actions().size(), 33);
    QCOMPARE(m_pWindow->ToolAction(520)->toolTip(), QString("Open font dialog"));
    QCOMPARE(m_pWindow->ToolAction(643)->toolTip(), QString("Delete a row from the bottom of the font"));
    // Every button has its drawn image at both sizes.
    for (QAction* a : m_pWindow->ToolBar()->actions()) {
      if (a->isSeparator()) continue;
      QCOMPARE(a->icon().pixmap(16, 16).size(), QSize(16, 16));
      QCOMPARE(a->icon().availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    }
    QVERIFY(m_pWindow->MenuAction(540)->shortcuts().contains(QKeySequence("Ctrl+R")));
    QVERIFY(m_pWindow->MenuAction(563)->shortcuts().contains(QKeySequence("Shift+B")));
    QVERIFY(m_pWindow->MenuAction(583)->shortcuts().contains(QKeySequence("Ctrl+Shift+D")));
    QVERIFY(m_pWindow->MenuAction(600)->shortcuts().contains(QKeySequence("Shift+Alt+R")));
    QVERIFY(m_pWindow->MenuAction(800)->shortcuts().contains(QKeySequence("F1")));
    // The overview across the upper half, the gap of 3 pixels below it.
    const int frame = m_pWindow->centralWidget()->height();
    QCOMPARE(m_pWindow->Overview()->height(), frame / 2 - 3);
  }

  // Help, CMD Options: the listing in a window of fixed size with both scroll bars, its
  // columns lined up; the main window takes no input while it is open.
  void helpListingFromTheMenu() {
    m_pWindow->Command(GLYPHOR_ID_CMD_HELP);
    QPointer<QDialog> help = m_pWindow->HelpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QString("CMD Help"));
    QCOMPARE(help->minimumSize(), help->maximumSize());
    QCOMPARE(QApplication::activeModalWidget(), help.data());
    auto* view = help->findChild<QTextEdit*>();
    QCOMPARE(view->lineWrapMode(), QTextEdit::NoWrap);
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const int desc = LastFieldOf(view, "Finish application after job");
    for (const char* other : {"<FONTNAME>,<STYLE>", "<FILENAME> Reads a pattern file", "Suppress messages", "Shows this box",
                              "<FILENAME>,<TYPE> Saves"})
      QCOMPARE(LastFieldOf(view, other), desc);
    // Styles after one to three tabs; types and methods after one or two.
    const int style = LastFieldOf(view, "- Creates a thin font");
    for (const char* other : {"- Creates a regular font", "- Creates a semi bold font", "- Creates an extra light italic font",
                              "- Creates a heavy italic font", "- Creates a medium font"})
      QCOMPARE(LastFieldOf(view, other), style);
    const int type = LastFieldOf(view, "- Standard 1bpp font");
    for (const char* other : {"- Extended framed font", "- Extended antialiased font (4bpp)", "- Internal antialiasing method",
                              "- Antialiasing of operating system"})
      QCOMPARE(LastFieldOf(view, other), type);
    const int value = LastFieldOf(view, "- 16 bit Unicode encoding");
    for (const char* other : {"- 8 bit ASCII + ISO8859", "- ...from bottom", "- Enables the given range", "- External binary font file"})
      QCOMPARE(LastFieldOf(view, other), value);
    help->grab().save("glyphor-help-window.png");  // an artefact to look at
    help->close();
    QTRY_VERIFY(help.isNull());
    QVERIFY(!QApplication::activeModalWidget());
  }

  void overviewPaintsTheDocument() {
    const QImage shot = m_pWindow->Overview()->Render();
    shot.save("glyphor-overview.png");
    const OverviewGeometry g = OVERVIEW_Geometry(doc());
    QCOMPARE(g.RowHeight, 17);
    QVERIFY(shot.width() > OVERVIEW_CellX(g, 16));
    // Rows 0x0040 and 0x0010 are in view at the start.
    checkCell(shot, 'A', true);  // current, overview active
    checkCell(shot, 'B', false);
    checkCell(shot, 0x11, false);  // disabled: grey
    checkCell(shot, 0x7F, false);
    // Switching the active view removes the mark.
    m_pWindow->SetActiveView(GLYPHOR_VIEW_CHAR);
    checkCell(m_pWindow->Overview()->Render(), 'A', false);
  }

  void characterViewPaintsTheGlyph() {
    m_pWindow->SetActiveView(GLYPHOR_VIEW_CHAR);
    CharView* view = m_pWindow->CharacterView();
    const int s = view->CellSize();
    QCOMPARE(s, view->contentsRect().height() / 10);
    QVERIFY(s >= 4);
    const QImage shot = view->Render();
    shot.save("glyphor-charview.png");
    for (int row = 0; row < 10; ++row)
      for (int col = 0; col < 6; ++col) {
        if (col <= 1 && row <= 1) continue;  // the cursor ring crosses these
        const uint32_t expected = FONTGEN_ValueToColour(FONT_TYPE_STD, FONT_GetPixel(doc(), 'A', col, row));
        QCOMPARE(QColor(shot.pixel(col * s + s / 2, row * s + s / 2)), QColor(rgb(expected)));
        QCOMPARE(QColor(shot.pixel(col * s, row * s + s / 2)), QColor(Qt::black));  // outline
      }
    // The cursor's ring inverts up to 2 pixels beyond the cell's edge: the white of
    // the next cell turns black there and stays white one pixel further.
    QCOMPARE(QColor(shot.pixel(s + 2, s / 2)), QColor(Qt::black));
    QCOMPARE(QColor(shot.pixel(s + 3, s / 2)), QColor(Qt::white));
    // Inside the cell the ring inverts the black pixel 1 pixel in, not its middle.
    QCOMPARE(QColor(shot.pixel(1, s / 2)), QColor(Qt::white));
    QCOMPARE(QColor(shot.pixel(s / 2, s / 2)), QColor(Qt::black));
    QCOMPARE(m_pWindow->Status()->Text(), QString("Index of pixel [ 0, 0 ] = 1"));
  }

  void extendedRowsOutsideTheGlyph() {
    FontDoc* ext = fonttest::make_manual(FONT_TYPE_EXT, 10, 8);
    fonttest::add_glyph(ext, 'x', 4, 3, 0, 5);  // rows 3..5 of the cell
    FONT_SetPixel(ext, 'x', 1, 1, 1);
    ext->MaxWidth = 4;
    FONT_SetCurrentChar(ext, 'x');
    FONT_SetCurrent(ext);
    m_pWindow->Redraw();
    CharView* view = m_pWindow->CharacterView();
    const int s = view->CellSize();
    const QImage shot = view->Render();
    QCOMPARE(QColor(shot.pixel(s / 2 + s, s / 2)), QColor(qRgb(0xFF, 0xFF, 0x80)));
    QCOMPARE(QColor(shot.pixel(s / 2 + s, 4 * s + s / 2)), QColor(Qt::black));   // glyph row 1
    QCOMPARE(QColor(shot.pixel(s / 2 + 2 * s, 4 * s + s / 2)), QColor(Qt::white));
    QCOMPARE(QColor(shot.pixel(s / 2, 6 * s + s / 2)), QColor(qRgb(0xFF, 0xFF, 0x80)));
    // In the overview the glyph sits at baseline - top above baseline.
    m_pWindow->SetActiveView(GLYPHOR_VIEW_CHAR);
    const QImage over = m_pWindow->Overview()->Render();
    const QPoint o = cellOrigin('x');
    QCOMPARE(QColor(over.pixel(o.x() + 10 + 1, o.y() + 1 + 3 + 1)), QColor(Qt::black));
    QCOMPARE(QColor(over.pixel(o.x() + 10 + 1, o.y() + 1 + 1)), QColor(Qt::white));
  }

  void keysMoveSelectAndToggle() {
    QWidget* overview = m_pWindow->Overview();
    overview->setFocus();
    QTest::keyClick(overview, Qt::Key_Right);
    QCOMPARE(int(doc()->CurrentChar), int('B'));
    QTest::keyClick(overview, Qt::Key_Down);
    QCOMPARE(int(doc()->CurrentChar), int('R'));
    QTest::keyClick(overview, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(int(doc()->CurrentChar), 0);
    QTest::keyClick(overview, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(int(doc()->CurrentChar), 0xFFFF);
    QVERIFY(m_pWindow->Overview()->FirstRow() > 4000);  // scrolled to show it
    m_pWindow->SelectCode('C');
    QVERIFY(doc()->aChar['C'].Enabled);
    QTest::keyClick(overview, Qt::Key_Space);
    QVERIFY(!doc()->aChar['C'].Enabled);
    // Tab: the character view takes the keys; arrows move the pixel cursor, wrapping.
    QTest::keyClick(overview, Qt::Key_Tab);
    QCOMPARE(GLYPHOR_ActiveView(), int(GLYPHOR_VIEW_CHAR));
    QWidget* charView = m_pWindow->CharacterView();
    QTest::keyClick(charView, Qt::Key_Left);
    QCOMPARE(GLYPHOR_GetPixelCursor().Column, 5);
    QTest::keyClick(charView, Qt::Key_Up);
    QCOMPARE(GLYPHOR_GetPixelCursor().Row, 9);
    QCOMPARE(m_pWindow->Status()->Text(), QString("Index of pixel [ 5, 9 ] = 0"));
    QTest::keyClick(charView, Qt::Key_Space);  // Space is Invert here, not Toggle
    QVERIFY(!doc()->aChar['C'].Enabled);
    QTest::keyClick(charView, Qt::Key_Tab);
    QCOMPARE(GLYPHOR_ActiveView(), int(GLYPHOR_VIEW_OVERVIEW));
    QCOMPARE(m_pWindow->Status()->Text(), QString("Ready"));
  }

  void editingFromKeysMenusAndTheToolBarChangesTheDocument() {
    // Value keys and Space in the character view write the pixel at the cursor.
    QTest::keyClick(m_pWindow->Overview(), Qt::Key_Tab);
    CharView* view = m_pWindow->CharacterView();
    QTest::keyClick(view, Qt::Key_Right);  // (1, 0)
    QCOMPARE(FONT_GetPixel(doc(), 'A', 1, 0), 0);
    QTest::keyClick(view, Qt::Key_1);
    QCOMPARE(FONT_GetPixel(doc(), 'A', 1, 0), 1);
    QTest::keyClick(view, Qt::Key_Space);  // invert
    QCOMPARE(FONT_GetPixel(doc(), 'A', 1, 0), 0);
    QTest::keyClick(view, Qt::Key_5);  // above the largest value of 1 bpp: refused
    QCOMPARE(FONT_GetPixel(doc(), 'A', 1, 0), 0);
    QVERIFY(QString(EDITLOG_GetText()).contains("* Pixel index of character 0x41 (65) at 1/0 set to 0"));
    // Insert a column on the right (menu), then shift the pixels right (tool bar).
    m_pWindow->MenuAction(540)->trigger();
    QCOMPARE(int(doc()->aChar['A'].Width), 7);
    QCOMPARE(FONT_GetPixel(doc(), 'A', 0, 0), 1);
    m_pWindow->ToolAction(580)->trigger();
    QCOMPARE(FONT_GetPixel(doc(), 'A', 0, 0), 0);
    QCOMPARE(FONT_GetPixel(doc(), 'A', 1, 0), 1);
    QVERIFY(m_pWindow->Warnings.isEmpty());
  }

  void enabledOnlyModeListsUsedBlocks() {
    FONT_EnableRange(doc(), 0, 0xFFFF, 0);
    FONT_SetEnabled(doc(), 0x20, 1);
    FONT_SetEnabled(doc(), 0x41, 1);
    for (FontBlock& b : doc()->aBlock) b.Used = 0;
    doc()->aBlock[2].Used = doc()->aBlock[4].Used = 1;
    m_pWindow->ToolAction(760)->trigger();
    QVERIFY(GLYPHOR_IsEnabledOnlyView());
    QVERIFY(m_pWindow->ToolAction(760)->isChecked());
    m_pWindow->SelectCode(0x25);
    QTest::keyClick(m_pWindow->Overview(), Qt::Key_Down);
    QCOMPARE(int(doc()->CurrentChar), 0x45);
    // Two rows listed: the row under the first row is 0x0040's.
    const QImage shot = m_pWindow->Overview()->Render();
    QCOMPARE(QColor(shot.pixel(cellOrigin(0x41).x() + 3, 17 + 3)), QColor(Qt::white));
    QCOMPARE(QColor(shot.pixel(cellOrigin(0x41).x() + 3, 2 * 17 + 3)), QColor(Qt::white));  // beyond: white
    m_pWindow->UpdateMenuStates();
    QVERIFY(!m_pWindow->MenuAction(760)->isChecked());
  }

  void clicksSelectAndMoveTheCursor() {
    const QPoint o = cellOrigin('B');
    QTest::mouseClick(m_pWindow->Overview()->viewport(), Qt::LeftButton, {}, o + QPoint(8, 8));
    QCOMPARE(int(doc()->CurrentChar), int('B'));
    QTest::mouseClick(m_pWindow->Overview()->viewport(), Qt::LeftButton, {}, QPoint(20, 8));  // the code column
    QCOMPARE(int(doc()->CurrentChar), int('B'));
    CharView* view = m_pWindow->CharacterView();
    const int s = view->CellSize();
    const QPoint inside = view->contentsRect().topLeft() + QPoint(3 * s + s / 2, 7 * s + s / 2);
    QTest::mouseClick(view, Qt::LeftButton, {}, inside);
    QCOMPARE(GLYPHOR_ActiveView(), int(GLYPHOR_VIEW_CHAR));
    QCOMPARE(GLYPHOR_GetPixelCursor().Column, 3);
    QCOMPARE(GLYPHOR_GetPixelCursor().Row, 7);
    // Outside the character: the cursor stays.
    QTest::mouseClick(view, Qt::LeftButton, {}, view->contentsRect().topLeft() + QPoint(8 * s, s));
    QCOMPARE(GLYPHOR_GetPixelCursor().Column, 3);
  }

  void wheelScrollBarsAndPopUps() {
    OverviewView* view = m_pWindow->Overview();
    QCOMPARE(view->FirstRow(), 0);
    // One row per 120 units, down for a negative delta.
    QWheelEvent down(QPointF(60, 20), view->viewport()->mapToGlobal(QPointF(60, 20)), QPoint(), QPoint(0, -240),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &down);
    QCOMPARE(view->FirstRow(), 2);
    // The vertical range reaches the last block; the horizontal one holds the names.
    const int page = OVERVIEW_PageRows(view->viewport()->height(), 17);
    QCOMPARE(view->verticalScrollBar()->maximum(), 4096 - page + 1);
    m_pWindow->resize(500, 640);
    const int names = view->fontMetrics().horizontalAdvance("Comb. Half Marks, CJK Comp. Forms & SFV");
    QTRY_COMPARE(view->horizontalScrollBar()->maximum(),
                 OVERVIEW_HorizontalRange(doc(), names) - view->viewport()->width());
    QVERIFY(view->horizontalScrollBar()->maximum() > 0);
    // A right click selects and pops up menu 501; in the character view the Pixel index menu.
    const QPoint o = cellOrigin('W');
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, o + QPoint(5, 5));
    QCOMPARE(int(doc()->CurrentChar), int('W'));
    QTRY_VERIFY(m_pWindow->PopupMenu()->isVisible());
    QCOMPARE(m_pWindow->PopupMenu()->actions().size(), 3);
    m_pWindow->PopupMenu()->close();
    CharView* chars = m_pWindow->CharacterView();
    const int s = chars->CellSize();
    QTest::mouseClick(chars, Qt::RightButton, {}, chars->contentsRect().topLeft() + QPoint(s + 2, 2 * s + 2));
    QCOMPARE(GLYPHOR_GetPixelCursor().Column, 1);
    QCOMPARE(GLYPHOR_GetPixelCursor().Row, 2);
    QTRY_VERIFY(m_pWindow->PixelMenu()->isVisible());
    QVERIFY(m_pWindow->MenuAction(701)->isEnabled());
    QVERIFY(!m_pWindow->MenuAction(702)->isEnabled());
    m_pWindow->PixelMenu()->close();
  }

  void menuAndToolStates() {
    m_pWindow->UpdateMenuStates();
    QVERIFY(m_pWindow->MenuAction(521)->isEnabled());
    QVERIFY(!m_pWindow->MenuAction(600)->isEnabled());
    QVERIFY(m_pWindow->MenuAction(660)->isEnabled());
    QVERIFY(!m_pWindow->MenuAction(680)->isEnabled());
    QVERIFY(m_pWindow->MenuAction(760)->isChecked());
    m_pWindow->SetActiveView(GLYPHOR_VIEW_CHAR);
    m_pWindow->UpdateMenuStates();
    QVERIFY(m_pWindow->MenuAction(701)->isEnabled());
    QVERIFY(!m_pWindow->MenuAction(702)->isEnabled());
    QVERIFY(!m_pWindow->MenuAction(660)->isEnabled());
    QVERIFY(!m_pWindow->ToolAction(600)->isEnabled());
    FONT_SetCurrent(nullptr);
    m_pWindow->Redraw();
    QVERIFY(m_pWindow->ToolAction(520)->isEnabled());
    QVERIFY(!m_pWindow->ToolAction(521)->isEnabled());
    QVERIFY(!m_pWindow->ToolAction(760)->isEnabled());
    // An accelerator of a disabled command does nothing.
    m_pWindow->Command(GLYPHOR_ID_SAVE);
    QVERIFY(m_pWindow->Warnings.isEmpty());
  }

  void dropLoadsTheFirstFile() {
    const std::string path = m_dir / "Dropped.xbf";
    FONT_SetPath(doc(), path.c_str());
    QCOMPARE(FONTSAVE_Save(doc(), FONT_FORMAT_XBF, false, FontSaveOptions{}), 0);
    FONT_SetCurrent(nullptr);
    m_pWindow->OpenDropped({QUrl::fromLocalFile(QString::fromStdString(path)),
                            QUrl::fromLocalFile(QString::fromStdString(m_dir / "other.txt"))});
    QVERIFY(doc());
    QCOMPARE(m_pWindow->windowTitle(), QString("Zentile-FontConvert V5.46 - Dropped"));
    QCOMPARE(FONT_GetPixel(doc(), 'A', 2, 4), 1);
    m_pWindow->OpenDropped({QUrl::fromLocalFile(QString::fromStdString(m_dir / "other.txt"))});
    QCOMPARE(m_pWindow->Warnings, QStringList{"Zentile-FontConvert: File extension must be 'XBF' or 'C'"});
  }

  void newThroughBothDialogs() {
    // The dialogs are answered as a user would: type, encoding, then face and pixel size.
    QStringList seen, faces;
    std::function<void()> answer = [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* d = dynamic_cast<RuntimeDialog*>(modal)) {
        seen << d->windowTitle();
        d->Get<QComboBox>(100)->setCurrentIndex(FONT_TYPE_AA2);
        d->accept();
      } else if (auto* c = dynamic_cast<FontChooser*>(modal)) {
        seen << c->windowTitle();
        for (int i = 0; i < c->Faces()->count(); ++i) faces << c->Faces()->item(i)->text();
        c->grab().save("glyphor-font-chooser.png");  // an artefact to look at
        c->Faces()->setCurrentItem(c->Faces()->findItems("DejaVu Sans", Qt::MatchExactly).value(0));
        c->PixelsButton()->click();
        c->PixelField()->setText("14");
        c->accept();
        return;
      }
      QTimer::singleShot(20, answer);
    };
    QTimer::singleShot(20, answer);
    m_pWindow->Command(GLYPHOR_ID_NEW);
    QCOMPARE(seen, (QStringList{"Font generation options", "Font"}));
    // Each family once, under its English name.
    QCOMPARE(faces.count("DejaVu Sans"), 1);
    if (FONTGEN_FaceExists("IPAPGothic")) {
      QCOMPARE(faces.count("IPAPGothic"), 1);
      QVERIFY(!faces.contains("IPA Pゴシック"));
    }
    QVERIFY(doc());
    QCOMPARE(QString(doc()->Lf.acFaceName), QString("DejaVu Sans"));
    QCOMPARE(int(doc()->Type), int(FONT_TYPE_AA2));
    QCOMPARE(int(doc()->Height), 14);
    QCOMPARE(m_pWindow->windowTitle(), QString("Zentile-FontConvert V5.46 - Untitled"));
    // The overview draws the generated glyph of the current character on demand.
    m_pWindow->SelectCode('W');
    m_pWindow->Overview()->Render();
    QVERIFY(doc()->aChar['W'].Generated);
    QVERIFY(doc()->aChar['W'].Width > 0);
    QVERIFY(!doc()->aChar[0x4E00].Generated);  // rows out of view are not rendered
    m_pWindow->grab().save("glyphor-window.png");
  }
};

int RunWindowTests(int argc, char** argv) {
  GlyphorWindowTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "test_glyphor_window.moc"
