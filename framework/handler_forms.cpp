// Which handler form decodes which message, and which argument list each
// form is called with.
#include "framework/framework.h"

namespace velmora {

using detail::ArgumentList;

HandlerForm FormForMessage(UINT message) {
    switch (message) {
        case WM_CREATE:
        case WM_DESTROY:
        case WM_CLOSE:
        case WM_SYSCOLORCHANGE:
        case WM_TIMECHANGE:
        case WM_CHILDACTIVATE:
        case WM_NCDESTROY:
            return HandlerForm::NoArguments;
        case WM_MOVE: return HandlerForm::Move;
        case WM_SIZE: return HandlerForm::Size;
        case WM_ACTIVATE: return HandlerForm::Activate;
        case WM_SETFOCUS: return HandlerForm::SetFocus;
        case WM_KILLFOCUS: return HandlerForm::KillFocus;
        case WM_ENABLE: return HandlerForm::Enable;
        case WM_PAINT: return HandlerForm::Paint;
        case WM_QUERYENDSESSION: return HandlerForm::QueryEndSession;
        case WM_ERASEBKGND: return HandlerForm::EraseBackground;
        case WM_ENDSESSION: return HandlerForm::EndSession;
        case WM_ACTIVATEAPP: return HandlerForm::ActivateApp;
        case WM_SETCURSOR: return HandlerForm::SetCursor;
        case WM_MOUSEACTIVATE: return HandlerForm::MouseActivate;
        case WM_GETMINMAXINFO: return HandlerForm::GetMinMaxInfo;
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED:
            return HandlerForm::WindowPos;
        case WM_HELP: return HandlerForm::Help;
        case WM_CONTEXTMENU: return HandlerForm::ContextMenu;
        case WM_DISPLAYCHANGE: return HandlerForm::DisplayChange;
        case WM_NCHITTEST: return HandlerForm::NcHitTest;
        case WM_NCACTIVATE: return HandlerForm::NcActivate;
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONUP:
        case WM_NCRBUTTONDBLCLK:
            return HandlerForm::NcMouse;
        case WM_KEYDOWN:
        case WM_KEYUP:
            return HandlerForm::Key;
        case WM_CHAR:
        case WM_DEADCHAR:
            return HandlerForm::Char;
        case WM_INITDIALOG: return HandlerForm::InitDialog;
        case WM_SYSCOMMAND: return HandlerForm::SysCommand;
        case WM_TIMER: return HandlerForm::Timer;
        case WM_HSCROLL:
        case WM_VSCROLL:
            return HandlerForm::Scroll;
        case WM_INITMENU: return HandlerForm::InitMenu;
        case WM_INITMENUPOPUP: return HandlerForm::InitMenuPopup;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return HandlerForm::Mouse;
        case WM_MOUSEWHEEL: return HandlerForm::MouseWheel;
        case WM_ENTERMENULOOP:
        case WM_EXITMENULOOP:
            return HandlerForm::MenuLoop;
        case WM_CAPTURECHANGED: return HandlerForm::CaptureChanged;
        case WM_MDIDESTROY: return HandlerForm::MdiDestroy;
        case WM_MDIACTIVATE: return HandlerForm::MdiActivate;
        case WM_DROPFILES: return HandlerForm::DropFiles;
        case WM_HOTKEY: return HandlerForm::HotKey;
        default: return HandlerForm::Generic;
    }
}

ArgumentList ArgumentListOfForm(HandlerForm form) {
    switch (form) {
        case HandlerForm::NoArguments: return ArgumentList::NoArguments;
        case HandlerForm::Move:
        case HandlerForm::SetCursor:
        case HandlerForm::ContextMenu:
        case HandlerForm::InitDialog:
            return ArgumentList::TwoInts;
        case HandlerForm::Size:
        case HandlerForm::DisplayChange:
        case HandlerForm::NcMouse:
        case HandlerForm::Key:
        case HandlerForm::Scroll:
            return ArgumentList::ThreeInts;
        case HandlerForm::Mouse:
        case HandlerForm::MouseWheel:
            return ArgumentList::FourInts;
        case HandlerForm::SysCommand:
        case HandlerForm::Timer:
        case HandlerForm::HotKey:
            return ArgumentList::OneInt;
        case HandlerForm::Enable:
        case HandlerForm::QueryEndSession:
        case HandlerForm::EndSession:
        case HandlerForm::ActivateApp:
        case HandlerForm::NcActivate:
        case HandlerForm::MenuLoop:
            return ArgumentList::OneLogical;
        case HandlerForm::SetFocus:
        case HandlerForm::KillFocus:
        case HandlerForm::CaptureChanged:
        case HandlerForm::MdiDestroy:
        case HandlerForm::MdiActivate:
            return ArgumentList::OtherWindow;
        case HandlerForm::Activate: return ArgumentList::Activate;
        case HandlerForm::Paint: return ArgumentList::Paint;
        case HandlerForm::EraseBackground: return ArgumentList::Erase;
        case HandlerForm::MouseActivate: return ArgumentList::MouseActivate;
        case HandlerForm::GetMinMaxInfo: return ArgumentList::MinMax;
        case HandlerForm::WindowPos: return ArgumentList::WindowPos;
        case HandlerForm::Help: return ArgumentList::Help;
        case HandlerForm::NcHitTest: return ArgumentList::HitTest;
        case HandlerForm::Char: return ArgumentList::Char;
        case HandlerForm::InitMenu: return ArgumentList::InitMenu;
        case HandlerForm::InitMenuPopup: return ArgumentList::InitMenuPopup;
        case HandlerForm::DropFiles: return ArgumentList::DropFiles;
        case HandlerForm::Generic: return ArgumentList::Generic;
        case HandlerForm::Command: return ArgumentList::Command;
        case HandlerForm::None: break;
    }
    return ArgumentList::Unknown;
}

bool FormFitsMessage(HandlerForm routineForm, UINT message) {
    const ArgumentList list = ArgumentListOfForm(routineForm);
    return list != ArgumentList::Unknown && list == ArgumentListOfForm(FormForMessage(message));
}

HandlerForm FormForRegistration(UINT message, ArgumentList list) {
    const HandlerForm own = FormForMessage(message);
    if (ArgumentListOfForm(own) == list) return own;
    for (int32_t value = static_cast<int32_t>(HandlerForm::NoArguments);
         value <= static_cast<int32_t>(HandlerForm::Command); ++value) {
        const auto form = static_cast<HandlerForm>(value);
        if (ArgumentListOfForm(form) == list) return form;
    }
    return HandlerForm::None;
}

}  // namespace velmora
