// Recent-file items of a File menu, built from a recent-file list: inserted before an
// anchor action and rebuilt on every change; each item triggers its command identifier.
#pragma once

#include <functional>
#include <vector>

#include "common/settings/recent_files.h"

class QAction;
class QMenu;

class RecentMenu {
 public:
  RecentMenu(QMenu* menu, QAction* before, const RecentFileList* list, std::function<void(unsigned)> onCommand);
  void Rebuild();
  const std::vector<QAction*>& Actions() const { return m_actions; }

 private:
  QMenu* m_pMenu;
  QAction* m_pBefore;
  const RecentFileList* m_pList;
  std::function<void(unsigned)> m_onCommand;
  std::vector<QAction*> m_actions;
};
