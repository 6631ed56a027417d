// The hand-made feature forms that menu items open, registered by menu item. The unit of a
// form class registers it with one line, before the main window is made:
//
//     RegisterFeatureForm<TGARPForm>("GVRP1", &GARPForm);
//     RegisterFeatureForm<TPortTrunkForm>("PortTrunk2");  // a form without a global variable
//
// A menu item whose form is not registered stands in the menu disabled. The command creates
// the form with Application as owner, keeps it in the global variable (when the command
// names one) while it is shown modally, then deletes it and clears the variable.
#pragma once

#include <functional>

#include "platform/ui/forms.h"

struct TFeatureForm {
    std::function<TForm*(TComponent* owner)> create;
    std::function<void(TForm* form)> setGlobal;  // empty for a form without a global variable
};

template <class F>
TFeatureForm MakeFeatureForm(F** global = nullptr)
{
    TFeatureForm f;
    f.create = [](TComponent* owner) -> TForm* { return new F(owner); };
    if (global) f.setGlobal = [global](TForm* form) { *global = static_cast<F*>(form); };
    return f;
}

// Exception when the menu item has no form command, or when the command keeps its form in a
// global variable and the registration gives none (or the other way round). A main window
// that exists already enables the item.
void RegisterFeatureForm(const AnsiString& component, TFeatureForm form);

template <class F>
void RegisterFeatureForm(const AnsiString& component, F** global = nullptr)
{
    RegisterFeatureForm(component, MakeFeatureForm<F>(global));
}

// Takes a registration back (and disables the item of a main window that exists).
void UnregisterFeatureForm(const AnsiString& component);

// The registered form of a menu item, or null.
const TFeatureForm* FindFeatureForm(const AnsiString& component);
