// The bitmap converter's main window: the host of every rastrel command. Menus and
// accelerators deliver command identifiers; the window shows the document, the status
// bar, the recent files and every dialog a command asks for.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <initializer_list>
#include <map>
#include <memory>
#include <utility>

#include "bitmap/app/rastrel_host.h"
#include "common/gui/recent_menu.h"
#include "common/gui/status_line.h"

class ImageView;
class QAction;
class QMenu;

class RastrelWindow : public QMainWindow, public RastrelHost {
  Q_OBJECT
 public:
  RastrelWindow();
  ~RastrelWindow() override;

  // Runs a menu command as the menus and accelerators do.
  void Command(unsigned id);
  QAction* Action(unsigned id) const;
  // Enables the menu items by the rules of the current document and clipboard.
  void UpdateMenuStates();
  ImageView* View() const { return m_pView; }
  StatusLine* Status() { return &m_status; }
  QDialog* HelpWindow() const { return m_pHelp; }

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
  bool AskFormat(FormatDialogRequest* request) override;
  bool AskScale(const ImageDocument* doc, int32_t* width, int32_t* height) override;
  int AskTransparency(const ImageDocument* doc, int initialChoice) override;
  bool AskAlphaImages(AlphaDialogRequest* request) override;
  bool AskCustomPalette(FileDialogRequest* request) override;
  bool AskSavePalette(FileDialogRequest* request) override;
  bool AskAnimationGif(AnimationKind kind, FileDialogRequest* request) override;
  bool AskAnimationOutput(AnimationKind kind, FileDialogRequest* request) override;
  bool PutClipboardDib(const std::vector<uint8_t>& dib) override;
  std::vector<uint8_t> GetClipboardDib() override;

  // Opens the first of the dropped files (local paths); a folder or nothing usable is
  // answered with a message.
  void OpenDropped(const QList<QUrl>& urls);
  // Size and place from the settings store, fitted to the available screen area; and
  // back into the store (the normal geometry of a maximized window).
  void RestoreGeometry();
  void StoreGeometry();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void enableAll();
  QAction* addCommand(QMenu* menu, const char* text, unsigned id, const QList<QKeySequence>& keys = {});
  // Items without keys, in order.
  void addCommands(QMenu* menu, std::initializer_list<std::pair<const char*, unsigned>> items);
  void showOptions();
  void showAbout();
  void tick();

  ImageView* m_pView;
  StatusLine m_status;
  std::map<unsigned, QAction*> m_actions;
  std::unique_ptr<RecentMenu> m_pRecent;
  QTimer m_timer;
  int m_ticks = 0;
  QPointer<QDialog> m_pHelp;  // deletes itself when closed
  int m_waitDepth = 0;
  bool m_maximized = false;   // restored: the first show maximizes
  std::string m_animationGif;  // the GIF last chosen for a sprite or cursor
};
