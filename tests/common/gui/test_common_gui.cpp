// Shared window layer: the file name following the chosen filter, the status line and
// the recent-file menu items.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QtTest>

#include "common/gui/file_name_filter.h"
#include "common/gui/recent_menu.h"
#include "common/gui/status_line.h"
#include "support/temp_dir.h"

class CommonGuiTest : public QObject {
  Q_OBJECT
 private slots:
  void extensionFollowsTheFilter() {
    QCOMPARE(GUI_FilterExtension("*.bmp"), std::string("bmp"));
    QCOMPARE(GUI_FilterExtension("*.c;*.h"), std::string("c"));
    QCOMPARE(GUI_FilterExtension("*.*"), std::string());
    QCOMPARE(GUI_FilterExtension("*"), std::string());
    QCOMPARE(GUI_NameForFilter("logo.c", "*.bmp"), std::string("logo.bmp"));
    QCOMPARE(GUI_NameForFilter("logo.bmp", "*.c"), std::string("logo.c"));
    // The text before the first dot of the file name; folders with dots are kept.
    QCOMPARE(GUI_NameForFilter("/a.b/logo.tar.gz", "*.gif"), std::string("/a.b/logo.gif"));
    QCOMPARE(GUI_NameForFilter("logo", "*.png"), std::string("logo.png"));
    QCOMPARE(GUI_NameForFilter("/a/", "*.png"), std::string("/a/"));
    QCOMPARE(GUI_NameForFilter("logo.c", "*.*"), std::string("logo.c"));
  }

  void statusLineSendsOnlyChangedTexts() {
    QMainWindow window;
    StatusLine status(&window, true);
    QCOMPARE(status.Text(), QString("Ready"));
    status.SetText("Ready");
    QCOMPARE(status.Updates(), 0);
    status.SetText("Image rotated");
    status.SetText("Image rotated");
    QCOMPARE(status.Updates(), 1);
  }

  void recentMenuItemsTriggerTheirIdentifiers() {
    TempDir dir;
    RecentFileList list;
    RECENT_Init(&list, "Software\\Test\\Recent\\", 8, 1101);
    QMenu menu;
    QAction* anchor = menu.addSeparator();
    unsigned fired = 0;
    RecentMenu recent(&menu, anchor, &list, [&](unsigned id) { fired = id; });
    QCOMPARE(recent.Actions().size(), size_t(0));
    RECENT_Add(&list, "/x/a.bmp");
    RECENT_Add(&list, "/x/b.bmp");
    recent.Rebuild();
    QCOMPARE(recent.Actions().size(), size_t(2));
    QCOMPARE(recent.Actions()[0]->text(), QString("&1 /x/b.bmp"));
    QCOMPARE(menu.actions().indexOf(anchor), 2);  // items before the anchor
    recent.Actions()[1]->trigger();
    QCOMPARE(fired, 1102u);
  }
};

QTEST_MAIN(CommonGuiTest)
#include "test_common_gui.moc"
