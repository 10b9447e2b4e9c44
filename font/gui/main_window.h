// The font converter's main window: the host of every glyphor command. Menus, the
// tool bar, accelerators and the views' keys and clicks deliver command identifiers;
// the window shows the overview, the character view and the properties view in a
// splitter frame, the status bar and every dialog a command asks for.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <map>

#include "common/gui/status_line.h"
#include "font/app/glyphor_host.h"

class CharView;
class OverviewView;
class PropertiesView;
class QAction;
class QMenu;
class QToolBar;
class SplitterFrame;

class GlyphorWindow : public QMainWindow, public GlyphorHost {
 public:
  GlyphorWindow();
  ~GlyphorWindow() override;

  // Runs a command as the menus, the tool bar and the accelerators do: the enabling
  // rules apply, then the command goes to the command layer.
  void Command(unsigned id, unsigned param = 0);
  QAction* MenuAction(unsigned id) const;
  QAction* ToolAction(unsigned id) const;
  void UpdateMenuStates();
  void UpdateToolStates();

  OverviewView* Overview() const { return m_pOverview; }
  CharView* CharacterView() const { return m_pChar; }
  PropertiesView* Properties() const { return m_pProps; }
  QToolBar* ToolBar() const { return m_pToolBar; }
  QMenu* PopupMenu() const { return m_pPopup; }
  QMenu* PixelMenu() const { return m_pPixelMenu; }
  StatusLine* Status() { return &m_status; }
  QDialog* HelpWindow() const { return m_pHelp; }

  // Keys of the views: Tab switches the active view, the others go to the active one.
  void HandleKey(QKeyEvent* event);
  void SetActiveView(int view);
  void SelectCode(unsigned code);
  void SetPixelCursor(int column, int row);
  // Loads the first dropped file like File, Load.
  void OpenDropped(const QList<QUrl>& urls);
  // The timer tick that runs the queued job commands.
  void StartJobTimer();

  // GlyphorHost
  void ShowStatus(const char* text) override;
  void ShowWarning(const char* caption, const char* text) override;
  bool AskYesNo(const char* caption, const char* text) override;
  void ShowHelp(const char* title, const char* text) override;
  void WriteConsole(const char* text) override;
  void ShowMainWindow() override;
  void Quit() override;
  void Redraw() override;
  void Beep() override;
  void SetWaitCursor(bool on) override;
  void ShowProgress(const char* text) override;
  bool AskOpenFileName(FileDialogRequest* request) override;
  bool AskSaveFileName(FileDialogRequest* request) override;
  bool AskFont(FontCreateRequest* request) override;
  bool AskGenerationOptions(FontCreateRequest* request) override;
  bool AskRange(FontRangeRequest* request) override;
  int AskXbfType(int preselected) override;
  bool AskValue(const char* title, const char* label, int min, int max, int* value) override;
  void ShowAbout(const char* title) override;
  bool AskOptions(unsigned id, FontOptions* options) override;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildMenus();
  void buildToolBar();
  void connectViews();
  QAction* addCommand(QMenu* menu, const char* text, unsigned id, const QList<QKeySequence>& keys = {});
  void overviewKey(QKeyEvent* event);
  void charKey(QKeyEvent* event);
  void refreshStatus();
  void tick();

  OverviewView* m_pOverview;
  CharView* m_pChar;
  PropertiesView* m_pProps;
  SplitterFrame* m_pFrame;
  SplitterFrame* m_pLower;
  QToolBar* m_pToolBar = nullptr;
  QMenu* m_pPopup = nullptr;
  QMenu* m_pPixelMenu = nullptr;
  StatusLine m_status;
  std::map<unsigned, QAction*> m_menuActions;
  std::map<unsigned, QAction*> m_toolActions;
  QTimer m_timer;
  QPointer<QDialog> m_pHelp;  // deletes itself when closed
  int m_waitDepth = 0;
  bool m_laidOut = false;
};
