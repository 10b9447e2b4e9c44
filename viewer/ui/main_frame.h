// The viewer's frame: an MDI area of views over a two-field status bar, the menus and
// their command identifiers, the 20 ms poll that attaches and detaches displays and
// opens their views, the modes and the clipboard.
#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>
#include <functional>
#include <map>

#include "viewer/presence.h"
#include "viewer/ui/viewer_context.h"

class QAction;
class QMdiSubWindow;
class QMenu;
class PixelView;

// Command identifiers shared by menus, accelerators and the context menu.
enum ViewerCommand {
  CMD_ABOUT = 104,
  CMD_EXIT = 105,
  CMD_VISIBLE_LAYER = 500,  // 500 to 504
  CMD_COLORS = 505,         // 505 to 509
  CMD_COMPOSITE = 510,
  CMD_VIRTUAL_LAYER = 511,  // 511 to 515
  CMD_ALWAYS_ON_TOP = 531,
  CMD_MULTI_MODE = 532,
  CMD_GRID_COLOR = 533,
  CMD_COPY = 540,
  CMD_ZOOM_FIRST = 550,
  CMD_ZOOM_LAST = 561,
  CMD_FIT = 570,
  CMD_CASCADE = 600,
  CMD_TILE_HORIZONTAL = 601,
  CMD_TILE_VERTICAL = 602,
};

enum ViewKind { KIND_VISIBLE, KIND_VIRTUAL, KIND_COLOURS, KIND_COMPOSITE };

class MainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // autoPoll false leaves polling to the caller (tests).
  explicit MainFrame(ViewerContext* ctx, bool autoPoll = true);
  ~MainFrame() override;

  void execute(int command);
  // One poll tick (normally from the 20 ms timer).
  void poll();
  QAction* action(int command) const;
  // Recomputes the enabled and checked menu items (done when a menu opens).
  void updateMenuStates();
  void applyMultiDisplay(bool multiDisplay);
  void setGridColour(uint32_t bgr);
  void setAlwaysOnTop(bool on);

  QMdiArea* mdiArea() const { return mdi_; }
  QString statusText() const { return status_->text(); }
  QString modeText() const { return mode_->text(); }
  QList<QMdiSubWindow*> views(ViewKind kind, int display = -2) const;
  QMdiSubWindow* openView(ViewKind kind, int display);
  // Copies the active view; the bitmap, or empty when nothing was copied.
  QByteArray copyActiveView();
  // Replaceable for tests: the colour chooser and the mode dialog.
  std::function<bool(uint32_t* bgr)> chooseColour;
  std::function<int(bool multiDisplay)> chooseMode;  // -1 cancel, 0 layers, 1 displays

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  QAction* addCommand(QMenu* menu, const QString& text, int command);
  void setStatus(const QString& text);
  void showMode();
  void createViewsFor(int display);
  void placeView(QMdiSubWindow* sub, ViewKind kind, int display);
  void fitFrame();
  void tile(bool horizontal);
  void showContextMenu(PixelView* view, QPoint globalPos);
  PixelView* activePixelView() const;
  QSize decoration(QMdiSubWindow* sub) const;
  void limitSize(QMdiSubWindow* sub);

  ViewerContext* ctx_;
  QMdiArea* mdi_;
  QLabel* status_;
  QLabel* mode_;
  QTimer pollTimer_;
  QElapsedTimer clock_;
  PresenceProbe presence_;
  std::map<int, QAction*> actions_;
  QMenu* contextMenu_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  bool modeShown_ = false;
  bool compositeCreated_ = false;
  std::map<QMdiSubWindow*, ViewKind> kinds_;
  std::map<QMdiSubWindow*, int> displays_;
};
