#include "framework/CommonDialogs.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <utility>

namespace {

CommonDialogHandler& Handler()
{
    static CommonDialogHandler handler;
    return handler;
}

BOOL Answer(CommonDialogCall call, BOOL (*system)(CommonDialogCall&))
{
    if (Handler()) {
        return Handler()(call);
    }
    return system(call);
}

}  // namespace

CommonDialogHandler SetCommonDialogHandler(CommonDialogHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

HWND CommonDialogOwner(const CWnd* parent)
{
    if (parent) {
        return parent->m_hWnd;
    }
    CWinApp* app = CWinApp::GetApp();
    return app ? app->GetMainWnd() : nullptr;
}

BOOL RunOpenFileDialog(OPENFILENAMEA& request)
{
    CommonDialogCall call{CommonDialogCall::Kind::OpenFile};
    call.file = &request;
    return Answer(call, [](CommonDialogCall& c) { return ::GetOpenFileNameA(c.file); });
}

BOOL RunSaveFileDialog(OPENFILENAMEA& request)
{
    CommonDialogCall call{CommonDialogCall::Kind::SaveFile};
    call.file = &request;
    return Answer(call, [](CommonDialogCall& c) { return ::GetSaveFileNameA(c.file); });
}

BOOL RunFontDialog(CHOOSEFONTA& request)
{
    CommonDialogCall call{CommonDialogCall::Kind::Font};
    call.font = &request;
    return Answer(call, [](CommonDialogCall& c) { return ::ChooseFontA(c.font); });
}

BOOL RunColorDialog(CHOOSECOLORA& request)
{
    CommonDialogCall call{CommonDialogCall::Kind::Color};
    call.color = &request;
    return Answer(call, [](CommonDialogCall& c) { return ::ChooseColorA(c.color); });
}
