#include "callback/x11/menubar.h"

#include <Xm/RowColumn.h>

#include <X11/IntrinsicP.h>
#include <X11/CompositeP.h>

#include "callback/x11/widgets.h"
#include "common/colors.h"
#include "interface/menu_reader.h"

namespace {
// A push button runs its action as the action table says: the button's
// label copy is the client data.
void activate(Widget w, XtPointer client, XtPointer call) {
  auto* b = static_cast<_Buttons*>(client);
  b->callback.invoke(w, b->client_data, call);
}

void realizeShells(Widget w) {
  if (!w) return;
  if (XtIsWidget(w))
    for (Cardinal i = 0; i < w->core.num_popups; ++i) {
      Widget shell = w->core.popup_list[i];
      if (!XtIsRealized(shell)) XtRealizeWidget(shell);
      realizeShells(shell);
    }
  if (XtIsComposite(w)) {
    CompositeWidget c = reinterpret_cast<CompositeWidget>(w);
    for (Cardinal i = 0; i < c->composite.num_children; ++i) realizeShells(c->composite.children[i]);
  }
}
}  // namespace

void DIfillPulldown(Widget menu, _Buttons* list) {
  for (_Buttons* b = list; b; b = b->next) {
    switch (b->type) {
      case DI_PUSH_BUTTON:
        b->w = CreatePushButton(menu, b->label, b->label);
        XtAddCallback(static_cast<Widget>(b->w), XmNactivateCallback, activate, b);
        break;
      case DI_PULLDOWN: {
        Widget sub = CreatePulldown(menu, b->label);
        b->w = sub;
        b->cascade = CreateCascade(menu, b->label, b->label, sub);
        DIfillPulldown(sub, b->pulldown);
        break;
      }
      default:
        b->w = CreateSeparator(menu, b->label);
        break;
    }
  }
}

Widget DIcreateMenuBar(Widget parent) {
  Widget bar = XmCreateMenuBar(parent, const_cast<char*>("MENUBAR"), nullptr, 0);
  const _GWorkStation& ws = GCworkStation[GCstationId];
  if (ws.ncolor > 16) XtVaSetValues(bar, XmNforeground, ws.color[1].pixel, XmNbackground, ws.color[16].pixel, nullptr);
  for (_Menutree* t = Dmenu; t; t = t->brother) {
    Widget menu = CreatePulldown(bar, t->label);
    t->w = menu;
    t->cascade = CreateCascade(bar, t->label, t->label, menu);
    DIfillPulldown(menu, t->buttonlist);
  }
  XtManageChild(bar);
  return bar;
}

namespace {
// Named item windows let test drivers and accessibility tools find the entries.
void nameItems(_Buttons* list) {
  for (_Buttons* b = list; b; b = b->next) {
    if (b->type == DI_PUSH_BUTTON && b->w && XtWindow(static_cast<Widget>(b->w)))
      XStoreName(XtDisplay(static_cast<Widget>(b->w)), XtWindow(static_cast<Widget>(b->w)), b->label);
    if (b->type == DI_PULLDOWN && b->cascade && XtWindow(static_cast<Widget>(b->cascade)))
      XStoreName(XtDisplay(static_cast<Widget>(b->cascade)), XtWindow(static_cast<Widget>(b->cascade)), b->label);
    nameItems(b->pulldown);
  }
}
}  // namespace

void DIrealizeMenus(Widget menuBar) {
  realizeShells(menuBar);
  for (_Menutree* t = Dmenu; t; t = t->brother) {
    if (t->cascade && XtWindow(static_cast<Widget>(t->cascade)))
      XStoreName(XtDisplay(menuBar), XtWindow(static_cast<Widget>(t->cascade)), t->label);
    nameItems(t->buttonlist);
  }
}
