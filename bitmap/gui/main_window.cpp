// Main window of the bitmap converter.
#include "bitmap/gui/main_window.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QImage>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStatusBar>
#include <QUrl>
#include <cstdio>

#include "bitmap/app/colour_menu.h"
#include "bitmap/app/command_ids.h"
#include "bitmap/app/command_table.h"
#include "bitmap/app/commands.h"
#include "bitmap/app/dib_file.h"
#include "bitmap/app/drop_rules.h"
#include "bitmap/app/file_requests.h"
#include "bitmap/app/options.h"
#include "bitmap/app/rastrel_app.h"
#include "bitmap/app/window_geometry.h"
#include "bitmap/app/window_model.h"
#include "bitmap/document/image.h"
#include "bitmap/gui/rastrel_dialogs.h"
#include "bitmap/gui/image_view.h"
#include "bitmap/reduce/colour_reduce.h"
#include "common/cmdline/cmdline.h"
#include "common/gui/file_dialogs.h"
#include "common/gui/help_window.h"
#include "common/gui/message_boxes.h"

namespace {

const char kImageBmp[] = "image/bmp";
// Clipboard images beyond this are refused before parsing.
constexpr qsizetype kMaxClipboardBytes = qsizetype(1) << 30;

std::vector<uint8_t> to_vector(const QByteArray& a) { return std::vector<uint8_t>(a.begin(), a.end()); }

QString menu_text(const char* text) { return QString::fromUtf8(text); }

// The desktop's keys for a standard command; where the desktop has none (a bare X
// server), the common ones.
QList<QKeySequence> standard_keys(QKeySequence::StandardKey key, const char* fallback) {
  QList<QKeySequence> keys = QKeySequence::keyBindings(key);
  if (keys.isEmpty()) keys << QKeySequence(fallback);
  return keys;
}

}  // namespace

RastrelWindow::RastrelWindow() : m_pView(new ImageView), m_status(this, true) {
  setObjectName("MainWindow");
  setWindowTitle(QString::fromStdString(RASTREL_Title()));
  auto* scroll = new QScrollArea;
  scroll->setWidget(m_pView);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  setCentralWidget(scroll);
  setAcceptDrops(true);
  buildMenus();
  RestoreGeometry();
  connect(&m_timer, &QTimer::timeout, this, &RastrelWindow::tick);
  m_timer.start(20);
}

RastrelWindow::~RastrelWindow() {
  if (HOST_Get() == this) HOST_Set(nullptr);
}

QAction* RastrelWindow::addCommand(QMenu* menu, const char* text, unsigned id, const QList<QKeySequence>& keys) {
  QString label = menu_text(text);
  // The menu tables carry "&Open...\tCtrl+O": the shortcut column comes from the keys.
  if (!keys.isEmpty()) label = label.section('\t', 0, 0);
  auto* action = menu->addAction(label);
  action->setData(id);
  if (!keys.isEmpty()) action->setShortcuts(keys);
  connect(action, &QAction::triggered, this, [this, id] { Command(id); });
  m_actions[id] = action;
  return action;
}

void RastrelWindow::addCommands(QMenu* menu, std::initializer_list<std::pair<const char*, unsigned>> items) {
  for (const auto& [text, id] : items) addCommand(menu, text, id);
}

void RastrelWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu("&File");
  addCommand(file, "&Open...\tCtrl+O", ID_FILE_OPEN, {QKeySequence("Ctrl+O")});
  addCommand(file, "Save &As ...", ID_FILE_SAVEAS, standard_keys(QKeySequence::SaveAs, "Ctrl+Shift+S"));
  file->addSeparator();
  QAction* recentAnchor = file->addSeparator();
  addCommand(file, "&Create Alpha...", ID_FILE_CREATE_ALPHA);
  addCommand(file, "&Load Alpha mask...", ID_FILE_LOAD_ALPHA_MASK);
  addCommand(file, "Create animated s&prite from GIF...", ID_FILE_ANIM_SPRITE);
  addCommand(file, "Create animated c&ursor from GIF...", ID_FILE_ANIM_CURSOR);
  addCommand(file, "&Save palette...", ID_FILE_SAVE_PALETTE);
  file->addSeparator();
  addCommand(file, "E&xit", ID_FILE_EXIT, standard_keys(QKeySequence::Quit, "Ctrl+Q"));
  m_pRecent = std::make_unique<RecentMenu>(file, recentAnchor, &RASTREL_RecentFiles, [this](unsigned id) { Command(id); });

  QMenu* edit = bar->addMenu("&Edit");
  addCommand(edit, "&Undo\tCtrl-Z", ID_EDIT_UNDO, {QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")});
  edit->addSeparator();
  addCommand(edit, "&Copy\tCtrl-C", ID_EDIT_COPY, {QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Insert")});
  addCommand(edit, "&Paste\tCtrl-V", ID_EDIT_PASTE, {QKeySequence("Ctrl+V"), QKeySequence("Shift+Insert")});

  QMenu* view = bar->addMenu("&View");
  addCommand(view, "Zoom In\t+", ID_VIEW_ZOOM_IN, {QKeySequence("+"), QKeySequence(Qt::Key_Up), QKeySequence::ZoomIn});
  addCommand(view, "Zoom Out\t-", ID_VIEW_ZOOM_OUT, {QKeySequence("-"), QKeySequence(Qt::Key_Down), QKeySequence::ZoomOut});

  QMenu* image = bar->addMenu("&Image");
  addCommand(image, "&Transparency...", ID_IMAGE_TRANSPARENCY_DIALOG);
  image->addSeparator();
  QMenu* convert = image->addMenu("Con&vert to");
  QMenu* dither = image->addMenu("&Dither to");
  for (const ColourMenuEntry& e : RASTREL_aColourMenu) {
    addCommand(convert, e.pMenuText, e.ConvertId);
    if (e.DitherId) addCommand(dither, e.pMenuText, e.DitherId);
  }
  convert->addSeparator();
  addCommands(convert, {{"Best palette", ID_IMAGE_BEST_PALETTE},
                        {"Best palette + transparency", ID_IMAGE_BEST_PALETTE_TRANS},
                        {"Custom palette...", ID_IMAGE_CUSTOM_PALETTE}});
  addCommands(image->addMenu("&Flip"), {{"Horizontally", ID_IMAGE_FLIP_H}, {"Vertically", ID_IMAGE_FLIP_V}});
  addCommands(image->addMenu("&Rotate"), {{"90\u00b0 CW", ID_IMAGE_ROTATE_90CW},
                                          {"90\u00b0 CCW", ID_IMAGE_ROTATE_90CCW},
                                          {"180\u00b0", ID_IMAGE_ROTATE_180}});
  addCommands(image->addMenu("&Invert"), {{"Indices", ID_IMAGE_INVERT_INDICES}, {"Colors", ID_IMAGE_INVERT_COLORS}});
  addCommand(image, "Shrink to 50%", ID_IMAGE_SHRINK);
  addCommands(image->addMenu("R&educe"), {{"Reduce to 4 Colors", ID_IMAGE_REDUCE_4},
                                          {"Reduce to 16 Colors", ID_IMAGE_REDUCE_16},
                                          {"Reduce to 256 Colors", ID_IMAGE_REDUCE_256}});
  addCommand(image, "Info", ID_IMAGE_INFO);
  addCommand(image, "&Scale...", ID_IMAGE_SCALE);

  QMenu* options = bar->addMenu("&Options");
  addCommand(options, "&Options", ID_OPTIONS, {QKeySequence::Preferences});

  QMenu* help = bar->addMenu("&Help");
  addCommand(help, "&Command line options...", ID_HELP_CMDLINE);
  addCommand(help, "&About Bitmap Converter...", ID_HELP_ABOUT);

  // Accelerators work while the menus are closed: enabling is decided when a menu opens
  // and again when an accelerator fires (Command checks the rules).
  for (QMenu* m : findChildren<QMenu*>()) {
    connect(m, &QMenu::aboutToShow, this, &RastrelWindow::UpdateMenuStates);
    connect(m, &QMenu::hovered, this, [this](QAction* a) {
      ShowStatus(a->isSeparator() || a->menu() ? "Ready" : RASTREL_MenuHelp(a->data().toUInt()));
    });
    connect(m, &QMenu::aboutToHide, this, [this] {
      ShowStatus("Ready");
      enableAll();  // accelerators stay live; Command applies the rules when one fires
    });
  }
  for (auto& [id, action] : m_actions) addAction(action);
}

QAction* RastrelWindow::Action(unsigned id) const {
  auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

// Distinct colours are counted only for the commands whose rule needs them.
static bool needs_colour_count(unsigned id) {
  return id == ID_FILE_SAVE_PALETTE || (id >= ID_IMAGE_REDUCE_4 && id <= ID_IMAGE_REDUCE_256);
}

static MenuInputs menu_inputs(bool countColours) {
  MenuInputs in;
  ImageDocument* doc = IMAGE_GetCurrent();
  in.HasImage = doc != nullptr;
  in.DistinctColors = doc && countColours ? IMAGE_CountColors(doc) : 0;
  in.NumColors = doc ? doc->NumColors : 0;
  const QMimeData* mime = QApplication::clipboard()->mimeData();
  in.ClipboardHasDib = mime && (mime->hasFormat(kImageBmp) || mime->hasImage());
  in.UndoCount = UNDO_Count();
  return in;
}

void RastrelWindow::UpdateMenuStates() {
  SetWaitCursor(true);
  const MenuInputs in = menu_inputs(true);
  for (auto& [id, action] : m_actions) action->setEnabled(RASTREL_IsMenuEnabled(id, in));
  SetWaitCursor(false);
}

void RastrelWindow::enableAll() {
  for (auto& [id, action] : m_actions) action->setEnabled(true);
}

void RastrelWindow::Command(unsigned id) {
  // Accelerators reach here without a menu having opened: the rules apply as well.
  if (Action(id) && !RASTREL_IsMenuEnabled(id, menu_inputs(needs_colour_count(id)))) return;
  switch (id) {
    case ID_VIEW_ZOOM_IN:
    case ID_VIEW_ZOOM_OUT:
      RASTREL_SetZoom(RASTREL_ZoomStep(RASTREL_GetZoom(), id == ID_VIEW_ZOOM_IN ? 1 : -1));
      Redraw();
      return;
    case ID_OPTIONS: showOptions(); return;
    case ID_HELP_CMDLINE: CMDLINE_ShowHelp(RASTREL_aCommand); return;
    case ID_HELP_ABOUT: showAbout(); return;
    default: break;
  }
  RASTREL_Execute(id, 0);
  Redraw();
}

void RastrelWindow::ShowStatus(const char* text) { m_status.SetText(QString::fromUtf8(text)); }
void RastrelWindow::ShowWarning(const char* caption, const char* text) { GUI_Warning(this, caption, text); }
bool RastrelWindow::AskYesNo(const char* caption, const char* text) { return GUI_AskYesNo(this, caption, text); }

void RastrelWindow::ShowHelp(const char* title, const char* text) {
  delete m_pHelp;
  // A sizing border and wrapped lines under a vertical scroll bar.
  m_pHelp = GUI_CreateHelpWindow(this, {title, 855, true, false}, text);
  m_pHelp->show();
}

void RastrelWindow::WriteConsole(const char* text) { std::fputs(text, stdout); }

void RastrelWindow::ShowMainWindow() {
  if (m_maximized) showMaximized();
  else show();
}

// The stored position is the frame's (what move() takes), the size the client area's.
void RastrelWindow::RestoreGeometry() {
  StoredWindow stored = RASTREL_LoadWindow();
  // Before the first show the frame is not known yet: a title bar's height is assumed,
  // added here and taken off again for move(), so the place does not creep.
  FrameMargins frame;
  frame.Top = style()->pixelMetric(QStyle::PM_TitleBarHeight);
  stored.Rect.X += frame.Left;
  stored.Rect.Y += frame.Top;
  const QPoint centre(stored.Rect.X + stored.Rect.Width / 2, stored.Rect.Y + stored.Rect.Height / 2);
  QScreen* screen = stored.HasPosition ? QGuiApplication::screenAt(centre) : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) {
    resize(WINDOW_DEFAULT_WIDTH, WINDOW_DEFAULT_HEIGHT);
    return;
  }
  const QRect a = screen->availableGeometry();
  const WindowRect r = RASTREL_FitWindow(stored.Rect, stored.HasPosition, {a.x(), a.y(), a.width(), a.height()}, frame);
  resize(r.Width, r.Height);
  if (stored.HasPosition) move(r.X - frame.Left, r.Y - frame.Top);  // else the desktop places it
  m_maximized = stored.Maximized;
}

void RastrelWindow::StoreGeometry() {
  StoredWindow w;
  const QPoint margin = geometry().topLeft() - pos();  // the frame as the desktop drew it
  const QRect g = isMaximized() ? normalGeometry() : geometry();
  w.Rect = {g.x() - margin.x(), g.y() - margin.y(), g.width(), g.height()};
  w.HasPosition = true;
  w.Maximized = isMaximized();
  RASTREL_SaveWindow(w);
}

void RastrelWindow::Quit() {
  m_timer.stop();
  if (isVisible()) StoreGeometry();
  hide();
  QApplication::quit();
}

void RastrelWindow::Redraw() {
  setWindowTitle(QString::fromStdString(RASTREL_Title()));
  m_pRecent->Rebuild();
  m_pView->Invalidate();
}

void RastrelWindow::Beep() { QApplication::beep(); }

void RastrelWindow::SetWaitCursor(bool on) {
  if (on && m_waitDepth++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  if (!on && m_waitDepth > 0 && --m_waitDepth == 0) QApplication::restoreOverrideCursor();
}

void RastrelWindow::ShowProgress(const char* text) {
  ShowStatus(text);
  statusBar()->repaint();
}

bool RastrelWindow::AskOpenFileName(FileDialogRequest* r) { return GUI_AskOpenFileName(this, r); }
bool RastrelWindow::AskSaveFileName(FileDialogRequest* r) { return GUI_AskSaveFileName(this, r); }
bool RastrelWindow::AskFormat(FormatDialogRequest* r) { return RASTREL_RunFormatDialog(this, r); }

bool RastrelWindow::AskScale(const ImageDocument* doc, int32_t* w, int32_t* h) {
  return RASTREL_RunScaleDialog(this, doc, w, h);
}

int RastrelWindow::AskTransparency(const ImageDocument* doc, int initialChoice) {
  return RASTREL_RunTransparencyDialog(this, doc, initialChoice);
}

bool RastrelWindow::AskAlphaImages(AlphaDialogRequest* r) { return RASTREL_RunAlphaDialog(this, this, r); }

bool RastrelWindow::AskCustomPalette(FileDialogRequest* r) {
  RASTREL_CompleteCustomPaletteRequest(r);
  return AskOpenFileName(r);
}

bool RastrelWindow::AskSavePalette(FileDialogRequest* r) {
  RASTREL_CompleteSavePaletteRequest(r);
  return AskSaveFileName(r);
}

bool RastrelWindow::AskAnimationGif(AnimationKind, FileDialogRequest* r) {
  RASTREL_CompleteAnimationGifRequest(r);
  if (!AskOpenFileName(r)) return false;
  m_animationGif = r->Chosen;
  return true;
}

bool RastrelWindow::AskAnimationOutput(AnimationKind kind, FileDialogRequest* r) {
  RASTREL_CompleteAnimationOutputRequest(kind, m_animationGif, r);
  return AskSaveFileName(r);
}

bool RastrelWindow::PutClipboardDib(const std::vector<uint8_t>& dib) {
  const std::vector<uint8_t> file = DIBFILE_FromDib(dib);
  if (file.empty()) return false;
  const QByteArray bytes(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()));
  auto* mime = new QMimeData;
  mime->setData(kImageBmp, bytes);
  const QImage image = QImage::fromData(bytes, "BMP");
  if (!image.isNull()) mime->setImageData(image);
  QApplication::clipboard()->setMimeData(mime);
  return true;
}

std::vector<uint8_t> RastrelWindow::GetClipboardDib() {
  const QMimeData* mime = QApplication::clipboard()->mimeData();
  if (!mime) return {};
  if (mime->hasFormat(kImageBmp)) {
    const QByteArray bytes = mime->data(kImageBmp);
    if (bytes.size() > kMaxClipboardBytes) return {};
    std::vector<uint8_t> dib = DIBFILE_ToDib(to_vector(bytes));
    if (!dib.empty()) return dib;
  }
  if (!mime->hasImage()) return {};
  const QImage image = qvariant_cast<QImage>(mime->imageData());
  if (image.isNull() || qint64(image.width()) * image.height() > IMAGE_MAX_PIXELS) return {};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32)
           .save(&buffer, "BMP"))
    return {};
  return DIBFILE_ToDib(to_vector(bytes));
}

void RastrelWindow::OpenDropped(const QList<QUrl>& urls) {
  raise();
  activateWindow();
  std::vector<DroppedItem> items;
  for (const QUrl& url : urls) {
    DroppedItem item;
    item.Local = url.isLocalFile();
    if (item.Local) {
      const QString path = url.toLocalFile();
      item.Path = path.toStdString();
      item.IsDir = QFileInfo(path).isDir();
    }
    items.push_back(item);
  }
  const DropDecision d = RASTREL_DecideDrop(items);
  if (!d.Warning.empty()) {
    ShowWarning(nullptr, d.Warning.c_str());
    return;
  }
  if (RASTREL_OpenFile(d.Open.c_str()) && !d.Status.empty()) ShowStatus(d.Status.c_str());
  Redraw();
}

void RastrelWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void RastrelWindow::dropEvent(QDropEvent* event) {
  OpenDropped(event->mimeData()->urls());
  event->acceptProposedAction();
}

void RastrelWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Command(ID_FILE_EXIT);
}

void RastrelWindow::showOptions() { RASTREL_RunOptionsDialog(this, [this] { m_pView->Invalidate(); }); }

void RastrelWindow::showAbout() { RASTREL_RunAboutBox(this); }

void RastrelWindow::tick() {
  // Every 500 ms in the alternating mode the checkerboard phase flips.
  if (++m_ticks % 25 != 0) return;
  if (RASTREL_Options.ViewOption == 0) m_pView->FlipPhase();
}
