#pragma once

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QString>

#include <span>
#include <utility>

// The main window's menus are built from these, so that every menu and item carries its
// object name (for the tests and for screen readers) and takes its shortcut window-wide.

// A menu named `name` under a menu bar or another menu.
template <typename Parent> QMenu* addMenu(Parent* parent, const char* name, const QString& title)
{
    QMenu* menu = parent->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

inline QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& key = {}, bool checkable = false)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    action->setCheckable(checkable);
    // The menu takes its shortcuts before the focused control does.
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

// Items of which one is checked, the first at the start; each carries its place as its data.
inline QActionGroup* addChoiceGroup(QMenu* menu,
                                    std::span<const std::pair<const char*, QString>> items)
{
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction* item = addItem(menu, items[i].first, items[i].second, {}, true);
        item->setData(static_cast<int>(i));
        group->addAction(item);
    }
    group->actions().constFirst()->setChecked(true);
    return group;
}
