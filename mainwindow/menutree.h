// The menu tree of the main window and of the port pop-up menu as data.
#pragma once

#include "platform/ui/menus.h"

struct TMenuRow {
    int level;               // 0: an entry of the menu itself, 1: an item below it, ...
    const char* component;   // the item's component name
    const char* caption;     // "-" for a separator
    bool visible = true;     // false: hidden, with everything below it
};

struct TMenuRows {
    const TMenuRow* rows;
    int count;
};

// MainMenu1: the menus of the bar and everything below them, in display order.
TMenuRows MainMenuRows();
// PortInfoPopupMenu.
TMenuRows PortPopupRows();

// Makes one item per row, owned by owner, each under the last row of the level above it
// (level 0 under root). Exception for a row deeper than the one before it allows.
void BuildMenuItems(TComponent* owner, TMenuItem* root, TMenuRows rows);
