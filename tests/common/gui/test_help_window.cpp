// The help listing window: its columns line up although the listing's tab runs were
// counted for another font, in model fonts and in the real view; title, size, scroll
// bars, the blocked main window, Escape.
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "common/gui/help_window.h"
#include "common/gui/tab_columns.h"
#include "support/text_columns.h"

namespace {

// Shaped like both converters' listings: keywords of very different widths with one to
// four tabs, argument lines one column before the descriptions, continuation lines, and
// value tables whose names need one tab or two (EXT_FRM wider than EXT_AA2).
const char* const kListing[] = {
    "-convertintobw\t\t\tConverts image into BW",
    "-convertintogray256\t\t\tConverts image into Gray256",
    "-convertintobestpalette\t\tConverts image into best palette",
    "-fliph\t\t\t\tFlips image horizontally",
    "-saveas\t\t\t<FNAME>,<TYPE>",
    "\t\t\t\tSave image file",
    "\t\t\t- TYPE:",
    "\t\t\t\t 1  \t- C-bitmap file",
    "\t\t\t\t 10 \t- High color (555)",
    "-exit\t\tFinish application after job",
    "-readpattern\t<FILENAME> Reads a pattern file",
    "\t\t\tREGULAR\t\t\t- Creates a regular font",
    "\t\t\tSEMIBOLD\t\t- Creates a semi bold font",
    "\t\t\tEXTRABOLD_ITALIC\t- Creates an extra bold italic font",
    "\t\t- TYPE:",
    "\t\t\tSTD\t\t- Standard 1bpp font",
    "\t\t\tEXT_FRM\t- Extended framed font",
    "\t\t\tEXT_AA2\t\t- Extended antialiased font (2bpp)",
    "\t\t\tINTERNAL\t- Internal antialiasing method",
};

std::vector<std::string> listing() { return {std::begin(kListing), std::end(kListing)}; }

// Proportional model fonts: capitals wide, small letters narrower, one wider than the other.
TabTextWidth model_font(double capital, double small, double other) {
  return [=](const std::string& s) {
    double w = 0;
    for (char c : s) w += std::isupper(static_cast<unsigned char>(c)) ? capital : std::islower(static_cast<unsigned char>(c)) ? small : other;
    return w;
  };
}

// The x of each field of a line laid out on its stops: a tab goes to the first stop
// beyond the text before it.
std::vector<double> lay_out(const std::string& line, const std::vector<double>& stops, const TabTextWidth& width) {
  std::vector<double> xs;
  double x = 0;
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == '\t') {
      size_t s = 0;
      while (s < stops.size() && stops[s] <= x + 1e-9) ++s;
      if (s == stops.size()) return {};  // a tab without a stop: not laid out
      x = stops[s];
      if (++i < line.size() && line[i] != '\t') xs.push_back(x);
      continue;
    }
    const size_t end = std::min(line.find('\t', i), line.size());
    x += width(line.substr(i, end - i));
    i = end;
  }
  return xs;
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void columnsLineUpInModelFonts() {
    // Each with its average character width.
    const std::map<std::string, std::pair<TabTextWidth, double>> fonts = {
        {"narrow", {model_font(8, 5, 5), 5.5}}, {"wide", {model_font(11, 7, 6), 8}}, {"fixed", {model_font(7, 7, 7), 7}}};
    for (const auto& [name, font] : fonts) {
      const auto& [width, charWidth] = font;
      const auto lines = listing();
      const auto stops = TABCOL_LineStops(lines, width, charWidth);
      QCOMPARE(stops.size(), lines.size());
      std::vector<std::vector<double>> x;
      for (size_t i = 0; i < lines.size(); ++i) {
        x.push_back(lay_out(lines[i], stops[i], width));
        QVERIFY2(!x.back().empty() || lines[i].find('\t') == std::string::npos, name.c_str());
      }
      // Descriptions after one to four tabs, and the continuation line, share a column.
      for (int i : {1, 2, 3}) QCOMPARE(x[i].back(), x[0].back());
      QCOMPARE(x[5].back(), x[0].back());
      // The arguments of saveas stand one column before, as the TYPE heading does.
      QVERIFY(x[4].back() < x[0].back());
      QCOMPARE(x[6].back(), x[4].back());
      QCOMPARE(x[8].back(), x[7].back());
      QCOMPARE(x[10].back(), x[9].back());
      // Style names needing one, two or three tabs; type names needing one or two.
      QCOMPARE(x[12].back(), x[11].back());
      QCOMPARE(x[13].back(), x[11].back());
      if (name != "fixed") {
        // In a fixed font EXT_FRM and EXT_AA2 are equally wide: their tab counts cannot agree.
        QCOMPARE(x[16].back(), x[15].back());
        QCOMPARE(x[17].back(), x[15].back());
      }
      // Every field keeps at least a character's room after the text before it.
      for (size_t i = 0; i < lines.size(); ++i)
        for (double s : stops[i]) QVERIFY(s > 0);
      QVERIFY(x[2].back() - width("-convertintobestpalette") >= charWidth);
      QVERIFY(x[13].back() - x[11].front() - width("EXTRABOLD_ITALIC") >= charWidth);
    }
  }

  void linesWithoutTabsAndEmptyListings() {
    const auto width = model_font(8, 5, 5);
    QVERIFY(TABCOL_LineStops({}, width, 6).empty());
    const auto stops = TABCOL_LineStops({"plain", "", "\t\tindented"}, width, 6);
    QVERIFY(stops[0].empty());
    QVERIFY(stops[1].empty());
    QCOMPARE(stops[2].size(), size_t(2));
    QVERIFY(stops[2][0] > 0 && stops[2][1] > stops[2][0]);
  }

  // The real view: every field where the columns put it, pixel for pixel.
  void viewDrawsTheColumns() {
    std::string text;
    for (const char* line : kListing) text += std::string(line) + "\r\n";
    QMainWindow owner;
    owner.show();
    QPointer<QDialog> help = GUI_CreateHelpWindow(&owner, {"CMD Help", 636, false, true}, text.c_str());
    help->show();
    QVERIFY(QTest::qWaitForWindowExposed(help.data()));
    auto* view = help->findChild<QTextEdit*>();
    QVERIFY(view);
    // The text is the listing as it was given, line ends aside.
    QCOMPARE(view->toPlainText(), QString::fromStdString(text).remove(QChar(13)));
    const int desc = LastFieldOf(view, "Converts image into BW");
    QCOMPARE(LastFieldOf(view, "Gray256"), desc);
    QCOMPARE(LastFieldOf(view, "best palette"), desc);
    QCOMPARE(LastFieldOf(view, "Flips"), desc);
    QCOMPARE(LastFieldOf(view, "Save image file"), desc);
    QCOMPARE(LastFieldOf(view, "semi bold font"), LastFieldOf(view, "regular font"));
    QCOMPARE(LastFieldOf(view, "extra bold italic"), LastFieldOf(view, "regular font"));
    QCOMPARE(LastFieldOf(view, "Extended framed"), LastFieldOf(view, "Standard 1bpp"));
    QCOMPARE(LastFieldOf(view, "Extended antialiased"), LastFieldOf(view, "Standard 1bpp"));
    QVERIFY(LastFieldOf(view, "<FNAME>") < desc);
    help->grab().save("help-window-columns.png");
    help->close();
  }

  void windowOfEachKind() {
    QMainWindow owner;
    owner.show();
    // Resizable, lines wrapped under a vertical scroll bar.
    QPointer<QDialog> help =
        GUI_CreateHelpWindow(&owner, {"Valid command line options:", 855, true, false}, "-a\t\tA\r\n");
    QCOMPARE(help->windowTitle(), QString("Valid command line options:"));
    auto* view = help->findChild<QTextEdit*>();
    QVERIFY(view->isReadOnly());
    QCOMPARE(view->lineWrapMode(), QTextEdit::WidgetWidth);
    QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(help->width(), int(GUI_HELP_WINDOW_WIDTH));
    const QRect area = owner.screen()->availableGeometry();
    QCOMPARE(help->height(), std::min(855, area.height() - 2 * QFontMetrics(help->font()).height()));
    QVERIFY(help->minimumSize() != help->maximumSize());
    QCOMPARE(help->x(), area.x() + area.width() / 2 - help->width() / 2);
    QCOMPARE(help->y(), area.y() + area.height() / 2 - help->height() / 2);
    // While it is open the owner takes no input; Escape in the text closes and destroys it.
    help->show();
    QVERIFY(QTest::qWaitForWindowExposed(help.data()));
    QCOMPARE(QApplication::activeModalWidget(), help.data());
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(help.isNull());
    QVERIFY(!QApplication::activeModalWidget());

    // Fixed size, both scroll bars, lines kept whole; closing destroys it as well.
    help = GUI_CreateHelpWindow(&owner, {"CMD Help", 636, false, true}, "-a\t\tA\r\n");
    view = help->findChild<QTextEdit*>();
    QCOMPARE(help->windowTitle(), QString("CMD Help"));
    QCOMPARE(view->lineWrapMode(), QTextEdit::NoWrap);
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(help->minimumSize(), help->maximumSize());
    help->show();
    QCOMPARE(QApplication::activeModalWidget(), help.data());
    help->close();
    QTRY_VERIFY(help.isNull());
  }
};

QTEST_MAIN(HelpWindowTest)
#include "test_help_window.moc"
