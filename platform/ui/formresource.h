// A form's layout kept as data, as the class library keeps a form resource: one table of
// components per form, built by one loader. Handlers reach the components by name.
//
//   const TResComponent kTrunkComponents[] = {
//       //  class          name          parent     left top  w    h   align     caption    items  flags
//       {"TPanel",        "Panel1",      nullptr,    0,   0, 99,   0, alRight,  "",        nullptr, rfBevelNone},
//       {"TButton",       "RefreshBtn",  "Panel1",  12,  48, 75,  25, alNone,   "Refresh"},
//       {"TListView",     "LV_PortTrunk", "Panel3",  0,   0,  0,   0, alClient, nullptr,  "Index|Name:80"},
//       {nullptr},
//   };
//   const TResForm kTrunkForm = {"PortTrunkForm", "Port Trunk Table", 700, 500, poMainFormCenter,
//                                bsSizeable, kTrunkComponents};
//   LoadFormResource(this, kTrunkForm);
//   RefreshBtn = FindChild<TButton>(this, "RefreshBtn");
#pragma once

#include "platform/ui/forms.h"
#include "platform/ui/sysutils.h"

enum TResFlag : unsigned {
    rfHidden = 1u << 0,        // Visible false
    rfDisabled = 1u << 1,      // Enabled false
    rfReadOnly = 1u << 2,      // edits, memos, list views
    rfSunken = 1u << 3,        // static text sunken; panel lowered
    rfCenter = 1u << 4,        // centred text (labels, static texts, panels)
    rfDropDownList = 1u << 5,  // combo box style csDropDownList
    rfChecked = 1u << 6,       // check boxes and radio buttons
    rfBevelNone = 1u << 7,     // panel without bevels
    rfBold = 1u << 8,          // bold font
    rfDefault = 1u << 9,       // the form's default button
    rfNoTab = 1u << 10,        // tab sheet whose tab is hidden
    rfActive = 1u << 11,       // the active tab sheet of its page control
    rfRightAlign = 1u << 12,   // right-justified text
    rfScrollBars = 1u << 13,   // memo with a vertical scroll bar
    rfWordWrap = 1u << 14,     // labels that wrap
    rfAutoSize = 1u << 15,     // labels and static texts that fit their text
};

// One component. Designed pixels: left, top, width and height (0 width or height keeps the
// control's natural size, and aligned controls take their size from the alignment).
// caption: the caption, or the text of an edit, combo box or memo.
// items, "|"-separated: the items of a combo box or radio group; the columns of a list view
// ("Title" or "Title:width"); the widths of a status bar's panels.
// extra: a radio group's columns, an edit's MaxLength, a timer's interval, a progress bar's Max.
struct TResComponent {
    const char* cls;
    const char* name;
    const char* parent;  // null: the form itself
    int left, top, width, height;
    TAlign align;
    const char* caption;
    const char* items;
    unsigned flags;
    int extra;
};

struct TResForm {
    const char* name;
    const char* caption;
    int width, height;  // the designed outer size
    TPosition position;
    TFormBorderStyle borderStyle;
    const TResComponent* components;  // ends with an entry whose cls is null
};

// Builds the form's name, caption, size and every component of the table, in table order
// (which is also the order in which aligned controls take their place). An unknown class, a
// duplicate name or a parent that is not an earlier container raises Exception.
void LoadFormResource(TForm* form, const TResForm& resource);

// The form's component of that name, of class T; Exception when missing or of another class.
TComponent* FindNamedComponent(const TComponent* owner, const AnsiString& name);
template <class T>
T* FindChild(const TComponent* owner, const AnsiString& name)
{
    T* c = dynamic_cast<T*>(FindNamedComponent(owner, name));
    if (!c) throw Exception("Component " + name + " is not of the expected class");
    return c;
}
