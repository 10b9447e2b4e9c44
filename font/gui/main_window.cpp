// Main window of the font converter.
#include "font/gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <cstdio>

#include "common/gui/file_dialogs.h"
#include "common/gui/help_window.h"
#include "common/gui/message_boxes.h"
#include "common/gui/splitter_frame.h"
#include "font/app/char_view_rules.h"
#include "font/app/command_ids.h"
#include "font/app/commands.h"
#include "font/app/font_operations.h"
#include "font/app/glyphor_app.h"
#include "font/app/new_font_rules.h"
#include "font/app/option_dialogs.h"
#include "font/app/overview_layout.h"
#include "font/app/window_rules.h"
#include "font/generator/glyph_gen.h"
#include "font/gui/char_view.h"
#include "font/gui/font_chooser.h"
#include "font/gui/glyphor_dialogs.h"
#include "font/gui/overview_view.h"
#include "font/gui/properties_view.h"
#include "font/gui/tool_icons.h"
#include "font/model/current_font.h"

namespace {

// Menu 500 and its accelerators (table 400).
struct MenuItem {
  const char* pText;  // null: separator
  unsigned Id;
};

QKeySequence key(const char* text) { return QKeySequence(QString::fromLatin1(text)); }

}  // namespace

GlyphorWindow::GlyphorWindow()
    : m_pOverview(new OverviewView),
      m_pChar(new CharView),
      m_pProps(new PropertiesView),
      m_pFrame(new SplitterFrame(Qt::Vertical)),
      m_pLower(new SplitterFrame(Qt::Horizontal)),
      m_status(this, false) {
  setObjectName("MainWindow");
  m_pFrame->setObjectName("SPLITTER_FrameClass");
  m_pFrame->AddChild(m_pOverview);
  m_pLower->AddChild(m_pChar);
  m_pLower->AddChild(m_pProps);
  m_pFrame->AddChild(m_pLower);
  setCentralWidget(m_pFrame);
  setAcceptDrops(true);
  buildMenus();
  buildToolBar();
  connectViews();
  setMinimumSize(240, 180);
  resize(800, 640);
  move(0, 0);
  GLYPHOR_SetActiveView(GLYPHOR_VIEW_OVERVIEW);
  connect(&m_timer, &QTimer::timeout, this, &GlyphorWindow::tick);
  Redraw();
}

GlyphorWindow::~GlyphorWindow() {
  if (HOST_Get() == this) GLYPHOR_SetHost(nullptr);
}

QAction* GlyphorWindow::addCommand(QMenu* menu, const char* text, unsigned id, const QList<QKeySequence>& keys) {
  auto* action = menu->addAction(QString::fromUtf8(text));
  action->setData(id);
  if (!keys.isEmpty()) {
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
  }
  connect(action, &QAction::triggered, this, [this, id] { Command(id); });
  m_menuActions[id] = action;
  addAction(action);  // accelerators work while the menus are closed
  return action;
}

void GlyphorWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu("&File");
  addCommand(file, "&New...", GLYPHOR_ID_NEW, {key("Ctrl+N")});
  addCommand(file, "&Save", GLYPHOR_ID_SAVE, {key("Ctrl+S")});
  addCommand(file, "Save &As...", GLYPHOR_ID_SAVE_AS, {key("Ctrl+Shift+S")});
  file->addSeparator();
  addCommand(file, "Load '&C' file...", GLYPHOR_ID_LOAD_C);
  addCommand(file, "Load '&XBF' file...", GLYPHOR_ID_LOAD_XBF);
  addCommand(file, "Load '&BDF' file...", GLYPHOR_ID_LOAD_BDF);
  file->addSeparator();
  addCommand(file, "&Merge 'C' file...", GLYPHOR_ID_MERGE_C);
  addCommand(file, "M&erge 'XBF' file...", GLYPHOR_ID_MERGE_XBF);
  file->addSeparator();
  addCommand(file, "E&xit", GLYPHOR_ID_EXIT, {key("Ctrl+Q")});

  QMenu* edit = bar->addMenu("&Edit");
  QMenu* insert = edit->addMenu("&Insert");
  addCommand(insert, "&Right", GLYPHOR_ID_INSERT_RIGHT, {key("Ctrl+R")});
  addCommand(insert, "&Left", GLYPHOR_ID_INSERT_LEFT, {key("Ctrl+L")});
  addCommand(insert, "&Top", GLYPHOR_ID_INSERT_TOP, {key("Ctrl+T")});
  addCommand(insert, "&Bottom", GLYPHOR_ID_INSERT_BOTTOM, {key("Ctrl+B")});
  QMenu* del = edit->addMenu("&Delete");
  addCommand(del, "&Right", GLYPHOR_ID_DELETE_RIGHT, {key("Shift+R")});
  addCommand(del, "&Left", GLYPHOR_ID_DELETE_LEFT, {key("Shift+L")});
  addCommand(del, "&Top", GLYPHOR_ID_DELETE_TOP, {key("Shift+T")});
  addCommand(del, "&Bottom", GLYPHOR_ID_DELETE_BOTTOM, {key("Shift+B")});
  QMenu* shift = edit->addMenu("&Shift");
  addCommand(shift, "&Right", GLYPHOR_ID_SHIFT_RIGHT, {key("Ctrl+Shift+R")});
  addCommand(shift, "&Left", GLYPHOR_ID_SHIFT_LEFT, {key("Ctrl+Shift+L")});
  addCommand(shift, "&Up", GLYPHOR_ID_SHIFT_UP, {key("Ctrl+Shift+U")});
  addCommand(shift, "&Down", GLYPHOR_ID_SHIFT_DOWN, {key("Ctrl+Shift+D")});
  QMenu* move = edit->addMenu("&Move");
  addCommand(move, "&Right", GLYPHOR_ID_MOVE_RIGHT, {key("Shift+Alt+R")});
  addCommand(move, "&Left", GLYPHOR_ID_MOVE_LEFT, {key("Shift+Alt+L")});
  addCommand(move, "&Up", GLYPHOR_ID_MOVE_UP, {key("Shift+Alt+U")});
  addCommand(move, "&Down", GLYPHOR_ID_MOVE_DOWN, {key("Shift+Alt+D")});
  QMenu* height = edit->addMenu("Font &height");
  addCommand(height, "&Insert row at top", GLYPHOR_ID_HEIGHT_INSERT_TOP);
  addCommand(height, "I&nsert row at bottom", GLYPHOR_ID_HEIGHT_INSERT_BOTTOM);
  addCommand(height, "&Delete row from top", GLYPHOR_ID_HEIGHT_DELETE_TOP);
  addCommand(height, "D&elete row from bottom", GLYPHOR_ID_HEIGHT_DELETE_BOTTOM);
  QMenu* cursor = edit->addMenu("&Cursor distance");
  addCommand(cursor, "&Increase", GLYPHOR_ID_CURSOR_INC);
  addCommand(cursor, "&Decrease", GLYPHOR_ID_CURSOR_DEC);
  m_pPixelMenu = edit->addMenu("Pi&xel index");
  addCommand(m_pPixelMenu, "&Increase\tNum +", GLYPHOR_ID_PIXEL_INC);
  addCommand(m_pPixelMenu, "&Decrease\tNum -", GLYPHOR_ID_PIXEL_DEC);
  addCommand(m_pPixelMenu, "I&nvert\tSpace", GLYPHOR_ID_PIXEL_INVERT);
  m_pPixelMenu->addSeparator();
  for (unsigned n = 0; n <= 15; ++n) {
    const QByteArray text = QString("Set index to %1\t%2").arg(n).arg(QString::number(n, 16).toUpper()).toUtf8();
    addCommand(m_pPixelMenu, text.constData(), GLYPHOR_ID_PIXEL_SET_0 + n);
  }
  edit->addSeparator();
  addCommand(edit, "&Toggle character\tSpace", GLYPHOR_ID_TOGGLE_CHAR);
  edit->addSeparator();
  addCommand(edit, "&Enable range of characters...", GLYPHOR_ID_ENABLE_RANGE);
  addCommand(edit, "Disable &range of characters...", GLYPHOR_ID_DISABLE_RANGE);
  addCommand(edit, "Disable &all characters", GLYPHOR_ID_DISABLE_ALL);
  edit->addSeparator();
  addCommand(edit, "Read &pattern file...", GLYPHOR_ID_READ_PATTERN);
  addCommand(edit, "Save pattern &file...", GLYPHOR_ID_SAVE_PATTERN);

  QMenu* view = bar->addMenu("&View");
  addCommand(view, "&All Characters", GLYPHOR_ID_ENABLED_ONLY)->setCheckable(true);

  QMenu* options = bar->addMenu("&Options");
  addCommand(options, "&Compatibility...", GLYPHOR_ID_OPT_COMPATIBILITY);
  addCommand(options, "&Magnification...", GLYPHOR_ID_OPT_MAGNIFICATION);
  addCommand(options, "&Logging/Messages...", GLYPHOR_ID_OPT_LOGGING);
  addCommand(options, "&Antialiasing...", GLYPHOR_ID_OPT_ANTIALIASING);
  addCommand(options, "&XBF fonts...", GLYPHOR_ID_OPT_XBF);

  QMenu* help = bar->addMenu("&Help");
  addCommand(help, "&CMD Options...", GLYPHOR_ID_CMD_HELP);
  addCommand(help, "&About...", GLYPHOR_ID_ABOUT, {key("F1"), key("Alt+?")});

  // Pop-up menu 501 of the overview.
  m_pPopup = new QMenu(this);
  for (auto [text, id] : {std::pair{"&Toggle character", GLYPHOR_ID_TOGGLE_CHAR},
                          std::pair{"&Disable block", GLYPHOR_ID_DISABLE_BLOCK},
                          std::pair{"&Enable block", GLYPHOR_ID_ENABLE_BLOCK}}) {
    QAction* a = m_pPopup->addAction(text);
    a->setData(id);
    connect(a, &QAction::triggered, this, [this, id = id] { Command(id); });
  }

  for (QMenu* m : findChildren<QMenu*>()) {
    connect(m, &QMenu::aboutToShow, this, &GlyphorWindow::UpdateMenuStates);
    connect(m, &QMenu::hovered, this, [this](QAction* a) {
      ShowStatus(a->isSeparator() || a->menu() || m_pPopup->actions().contains(a) ? "Ready"
                                                                                   : GLYPHOR_MenuHelp(a->data().toUInt()));
    });
    connect(m, &QMenu::aboutToHide, this, [this] {
      refreshStatus();
      for (auto& [id, action] : m_menuActions) action->setEnabled(true);  // Command applies the rules
    });
  }
}

void GlyphorWindow::buildToolBar() {
  m_pToolBar = addToolBar("Tools");
  m_pToolBar->setObjectName("ToolBar");
  m_pToolBar->setMovable(false);
  m_pToolBar->setIconSize(QSize(16, 16));  // the drawn images are square: no scaling
  for (unsigned id : GLYPHOR_aToolBar) {
    if (id == GLYPHOR_TOOL_SEPARATOR) {
      m_pToolBar->addSeparator();
      continue;
    }
    QAction* a = m_pToolBar->addAction(GLYPHOR_ToolIcon(id), QString::fromUtf8(GLYPHOR_MenuHelp(id)));
    a->setData(id);
    a->setToolTip(QString::fromUtf8(GLYPHOR_MenuHelp(id)));
    a->setStatusTip(QString());
    if (id == GLYPHOR_ID_ENABLED_ONLY) a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, id] {
      if (GLYPHOR_IsToolEnabled(id, GLYPHOR_MenuInputs(GLYPHOR_ActiveView()))) {
        GLYPHOR_Execute(id, 0);
        Redraw();
      }
    });
    m_toolActions[id] = a;
  }
}

void GlyphorWindow::connectViews() {
  m_pOverview->OnKey = [this](QKeyEvent* e) { HandleKey(e); };
  m_pChar->OnKey = [this](QKeyEvent* e) { HandleKey(e); };
  m_pOverview->OnActivate = [this] { SetActiveView(GLYPHOR_VIEW_OVERVIEW); };
  m_pChar->OnActivate = [this] { SetActiveView(GLYPHOR_VIEW_CHAR); };
  m_pOverview->OnClick = [this](int code) {
    SetActiveView(GLYPHOR_VIEW_OVERVIEW);
    SelectCode(static_cast<unsigned>(code));
  };
  m_pOverview->OnMenu = [this](int code, QPoint global) {
    SetActiveView(GLYPHOR_VIEW_OVERVIEW);
    SelectCode(static_cast<unsigned>(code));
    m_pPopup->popup(global);
  };
  m_pChar->OnClick = [this](int column, int row) {
    SetActiveView(GLYPHOR_VIEW_CHAR);
    SetPixelCursor(column, row);
  };
  m_pChar->OnMenu = [this](int column, int row, QPoint global) {
    SetActiveView(GLYPHOR_VIEW_CHAR);
    SetPixelCursor(column, row);
    m_pPixelMenu->popup(global);
  };
}

QAction* GlyphorWindow::MenuAction(unsigned id) const {
  auto it = m_menuActions.find(id);
  return it == m_menuActions.end() ? nullptr : it->second;
}

QAction* GlyphorWindow::ToolAction(unsigned id) const {
  auto it = m_toolActions.find(id);
  return it == m_toolActions.end() ? nullptr : it->second;
}

void GlyphorWindow::UpdateMenuStates() {
  const GlyphorMenuInputs in = GLYPHOR_MenuInputs(GLYPHOR_ActiveView());
  for (auto& [id, action] : m_menuActions) {
    action->setEnabled(GLYPHOR_IsMenuEnabled(id, in));
    if (action->isCheckable()) action->setChecked(GLYPHOR_IsMenuChecked(id, in));
  }
  for (QAction* a : m_pPopup->actions()) a->setEnabled(GLYPHOR_IsMenuEnabled(a->data().toUInt(), in));
}

void GlyphorWindow::UpdateToolStates() {
  const GlyphorMenuInputs in = GLYPHOR_MenuInputs(GLYPHOR_ActiveView());
  for (auto& [id, action] : m_toolActions) {
    action->setEnabled(GLYPHOR_IsToolEnabled(id, in));
    if (action->isCheckable()) action->setChecked(GLYPHOR_IsToolChecked(id, in));
  }
}

void GlyphorWindow::Command(unsigned id, unsigned param) {
  // Accelerators and keys reach here without a menu having opened: the rules apply.
  if (!GLYPHOR_IsMenuEnabled(id, GLYPHOR_MenuInputs(GLYPHOR_ActiveView()))) return;
  GLYPHOR_Execute(id, param);
  if (!GLYPHOR_IsExitRequested()) Redraw();
}

void GlyphorWindow::SetActiveView(int view) {
  GLYPHOR_SetActiveView(view);
  (view == GLYPHOR_VIEW_CHAR ? static_cast<QWidget*>(m_pChar) : m_pOverview)->setFocus(Qt::OtherFocusReason);
  m_pOverview->viewport()->update();
  m_pChar->update();
  refreshStatus();
}

void GlyphorWindow::SelectCode(unsigned code) {
  FontDoc* doc = FONT_GetCurrent();
  if (!doc || code >= FONT_NUM_CODES) return;
  FONT_SetCurrentChar(doc, code);
  GLYPHOR_SetPixelCursor(GLYPHOR_GetPixelCursor());
  m_pOverview->ShowCode(code);
  Redraw();
}

void GlyphorWindow::SetPixelCursor(int column, int row) {
  GLYPHOR_SetPixelCursor(PixelCursor{column, row});
  m_pChar->update();
  refreshStatus();
}

void GlyphorWindow::HandleKey(QKeyEvent* e) {
  if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) {
    SetActiveView(GLYPHOR_ActiveView() == GLYPHOR_VIEW_OVERVIEW ? GLYPHOR_VIEW_CHAR : GLYPHOR_VIEW_OVERVIEW);
    return;
  }
  if (GLYPHOR_ActiveView() == GLYPHOR_VIEW_OVERVIEW) overviewKey(e);
  else charKey(e);
}

void GlyphorWindow::overviewKey(QKeyEvent* e) {
  FontDoc* doc = FONT_GetCurrent();
  if (!doc) return;
  if (e->key() == Qt::Key_Space) {
    Command(GLYPHOR_ID_TOGGLE_CHAR);
    return;
  }
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  OverviewKey k;
  switch (e->key()) {
    case Qt::Key_Left: k = OVERVIEW_KEY_LEFT; break;
    case Qt::Key_Right: k = OVERVIEW_KEY_RIGHT; break;
    case Qt::Key_Up: k = OVERVIEW_KEY_UP; break;
    case Qt::Key_Down: k = OVERVIEW_KEY_DOWN; break;
    case Qt::Key_PageUp: k = OVERVIEW_KEY_PAGE_UP; break;
    case Qt::Key_PageDown: k = OVERVIEW_KEY_PAGE_DOWN; break;
    case Qt::Key_Home: k = ctrl ? OVERVIEW_KEY_FIRST : OVERVIEW_KEY_HOME; break;
    case Qt::Key_End: k = ctrl ? OVERVIEW_KEY_LAST : OVERVIEW_KEY_END; break;
    default: return;
  }
  const bool enabledOnly = GLYPHOR_IsEnabledOnlyView();
  const int page = OVERVIEW_PageRows(m_pOverview->viewport()->height(), OVERVIEW_Geometry(doc).RowHeight);
  SelectCode(OVERVIEW_Navigate(OVERVIEW_ListedBlocks(doc, enabledOnly), enabledOnly, doc->CurrentChar, k, page));
}

void GlyphorWindow::charKey(QKeyEvent* e) {
  if (!FONT_GetCurrent()) return;
  PixelCursor c = GLYPHOR_GetPixelCursor();
  switch (e->key()) {
    case Qt::Key_Left: SetPixelCursor(c.Column - 1, c.Row); return;
    case Qt::Key_Right: SetPixelCursor(c.Column + 1, c.Row); return;
    case Qt::Key_Up: SetPixelCursor(c.Column, c.Row - 1); return;
    case Qt::Key_Down: SetPixelCursor(c.Column, c.Row + 1); return;
    default: break;
  }
  const QString text = e->text();
  if (text.size() != 1 || text[0].unicode() > 127) return;
  unsigned param = 0;
  if (const unsigned id = CHARVIEW_KeyCommand(static_cast<char>(text[0].unicode()), &param)) Command(id, param);
}

void GlyphorWindow::refreshStatus() {
  const FontDoc* doc = FONT_GetCurrent();
  if (doc && GLYPHOR_ActiveView() == GLYPHOR_VIEW_CHAR) {
    const PixelCursor c = GLYPHOR_GetPixelCursor();
    ShowStatus(GLYPHOR_PixelStatus(c.Column, c.Row, FONT_GetPixel(doc, doc->CurrentChar, c.Column, c.Row)).c_str());
  } else {
    ShowStatus("Ready");
  }
}

void GlyphorWindow::ShowStatus(const char* text) { m_status.SetText(QString::fromUtf8(text)); }
void GlyphorWindow::ShowWarning(const char* caption, const char* text) { GUI_Warning(this, caption, text); }
bool GlyphorWindow::AskYesNo(const char* caption, const char* text) { return GUI_AskYesNo(this, caption, text); }

void GlyphorWindow::ShowHelp(const char* title, const char* text) {
  delete m_pHelp;
  // A fixed size and both scroll bars.
  m_pHelp = GUI_CreateHelpWindow(this, {title, 636, false, true}, text);
  m_pHelp->show();
}

void GlyphorWindow::WriteConsole(const char* text) { std::fputs(text, stdout); }
void GlyphorWindow::ShowMainWindow() { show(); }

void GlyphorWindow::Quit() {
  m_timer.stop();
  hide();
  QApplication::quit();
}

void GlyphorWindow::Redraw() {
  setWindowTitle(QString::fromStdString(GLYPHOR_WindowTitle(FONT_GetCurrent())));
  GLYPHOR_SetPixelCursor(GLYPHOR_GetPixelCursor());
  m_pOverview->Refresh();
  m_pChar->update();
  m_pProps->update();
  UpdateToolStates();
  refreshStatus();
}

void GlyphorWindow::Beep() { QApplication::beep(); }

void GlyphorWindow::SetWaitCursor(bool on) {
  if (on && m_waitDepth++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  if (!on && m_waitDepth > 0 && --m_waitDepth == 0) QApplication::restoreOverrideCursor();
}

void GlyphorWindow::ShowProgress(const char* text) {
  ShowStatus(text);
  statusBar()->repaint();
}

bool GlyphorWindow::AskOpenFileName(FileDialogRequest* r) { return GUI_AskOpenFileName(this, r); }
bool GlyphorWindow::AskSaveFileName(FileDialogRequest* r) { return GUI_AskSaveFileName(this, r); }

bool GlyphorWindow::AskFont(FontCreateRequest* request) {
  FontOptions o;
  FONTOPT_Read(&o);
  const FontDoc* doc = FONT_GetCurrent();
  FontChoice initial;
  initial.PointMode = o.PointMode;
  if (doc) {
    initial.Face.assign(doc->Lf.acFaceName, strnlen(doc->Lf.acFaceName, FONT_FACE_CHARS));
    initial.Weight = doc->Lf.Weight;
    initial.Italic = doc->Lf.Italic != 0;
    initial.PixelSize = doc->Height;
  } else {
    initial.Face = "DejaVu Sans";
    initial.PixelSize = 16;
  }
  FontChooser chooser(this, FONTGEN_ListFaces(), initial);
  if (chooser.exec() != QDialog::Accepted) return false;
  const FontChoice c = chooser.Choice();
  FONTOPT_StorePointMode(c.PointMode);
  if (c.Face.empty()) return false;
  request->Lf = LogFont{};
  std::snprintf(request->Lf.acFaceName, sizeof(request->Lf.acFaceName), "%s", c.Face.c_str());
  request->Lf.Weight = c.Weight;
  request->Lf.Italic = c.Italic ? 1 : 0;
  NEWFONT_ApplyChosenSize(request, c.PixelSize, c.ChooserHeight);
  return true;
}

bool GlyphorWindow::AskGenerationOptions(FontCreateRequest* request) {
  const FontCreateRequest initial = NEWFONT_Initial(FONT_GetCurrent());
  request->Type = initial.Type;
  request->Encoding = initial.Encoding;
  request->AAMode = initial.AAMode;
  return GLYPHOR_RunGenerationDialog(this, request);
}

bool GlyphorWindow::AskRange(FontRangeRequest* request) { return GLYPHOR_RunRangeDialog(this, request); }

int GlyphorWindow::AskXbfType(int preselected) {
  const int type = GLYPHOR_RunXbfTypeDialog(this, preselected);
  if (type >= 0) FONTOPT_StoreXbfType(type);
  return type;
}

bool GlyphorWindow::AskValue(const char* title, const char* label, int min, int max, int* value) {
  return GLYPHOR_RunValueDialog(this, title, label, min, max, value);
}

void GlyphorWindow::ShowAbout(const char* title) { GLYPHOR_RunAboutBox(this, title); }

bool GlyphorWindow::AskOptions(unsigned id, FontOptions* options) { return GLYPHOR_RunOptionDialog(this, id, options); }

void GlyphorWindow::OpenDropped(const QList<QUrl>& urls) {
  raise();
  activateWindow();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  // Only the first file is taken; its extension decides the reader.
  FONTOP_LoadFile(FontFileRequest{urls.first().toLocalFile().toStdString()});
  Redraw();
}

void GlyphorWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void GlyphorWindow::dropEvent(QDropEvent* event) {
  OpenDropped(event->mimeData()->urls());
  event->acceptProposedAction();
}

void GlyphorWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Command(GLYPHOR_ID_EXIT);
}

void GlyphorWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (m_laidOut) return;
  m_laidOut = true;
  // The overview across the upper half, the two other views side by side below it.
  m_pFrame->SetFirstSize(m_pFrame->height() / 2 - SplitterFrame::GAP);
  m_pLower->SetFirstSize(m_pLower->width() / 2);
  SetActiveView(GLYPHOR_ActiveView());
}

// Keys that reach the window itself (no view has the focus) go to the active view.
void GlyphorWindow::keyPressEvent(QKeyEvent* event) { HandleKey(event); }

void GlyphorWindow::StartJobTimer() { m_timer.start(20); }

void GlyphorWindow::tick() {
  if (!GLYPHOR_Tick()) m_timer.stop();
}
