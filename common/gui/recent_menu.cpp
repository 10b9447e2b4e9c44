// Recent-file menu items.
#include "common/gui/recent_menu.h"

#include <QAction>
#include <QMenu>

RecentMenu::RecentMenu(QMenu* menu, QAction* before, const RecentFileList* list,
                       std::function<void(unsigned)> onCommand)
    : m_pMenu(menu), m_pBefore(before), m_pList(list), m_onCommand(std::move(onCommand)) {
  Rebuild();
}

void RecentMenu::Rebuild() {
  for (QAction* a : m_actions) {
    m_pMenu->removeAction(a);
    delete a;
  }
  m_actions.clear();
  for (const RecentMenuItem& item : RECENT_MenuItems(m_pList)) {
    auto* action = new QAction(QString::fromStdString(item.Text), m_pMenu);
    action->setSeparator(item.Separator);
    action->setEnabled(item.Enabled);
    action->setData(item.Id);
    const unsigned id = item.Id;
    QObject::connect(action, &QAction::triggered, m_pMenu, [this, id] { m_onCommand(id); });
    m_pMenu->insertAction(m_pBefore, action);
    m_actions.push_back(action);
  }
}
