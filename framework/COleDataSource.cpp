#include "framework/COleDataSource.h"

#include "framework/COleDropSource.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <new>

COleDataSource::~COleDataSource()
{
    for (auto& entry : blocks_)
        GlobalFree(entry.second);
}

void COleDataSource::CacheGlobalData(CLIPFORMAT format, HGLOBAL block)
{
    for (auto& entry : blocks_) {
        if (entry.first == format) {
            GlobalFree(entry.second);
            entry.second = block;
            return;
        }
    }
    try {
        blocks_.emplace_back(format, block);
    } catch (...) {
        GlobalFree(block);  // ours since the call, even when it could not be kept
        throw;
    }
}

bool COleDataSource::SetClipboard()
{
    const HRESULT result = OleSetClipboard(this);
    if (result == CO_E_NOTINITIALIZED)
        return SetPlainClipboard();
    return SUCCEEDED(result);
}

bool COleDataSource::SetPlainClipboard()
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    bool placed = true;
    for (auto& entry : blocks_) {
        // The clipboard owns a block it accepted.
        if (SetClipboardData(entry.first, entry.second))
            entry.second = nullptr;
        else
            placed = false;
    }
    CloseClipboard();
    blocks_.erase(std::remove_if(blocks_.begin(), blocks_.end(), [](const auto& e) { return e.second == nullptr; }),
                  blocks_.end());
    return placed;
}

DWORD COleDataSource::DoDragDrop(DWORD allowedEffects)
{
    COleDropSource* source = new COleDropSource;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = ::DoDragDrop(this, source, allowedEffects, &effect);
    source->Release();
    return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

HGLOBAL COleDataSource::Find(const FORMATETC* format) const
{
    if (!format || !(format->tymed & TYMED_HGLOBAL) || format->dwAspect != DVASPECT_CONTENT)
        return nullptr;
    for (const auto& entry : blocks_)
        if (entry.first == format->cfFormat)
            return entry.second;
    return nullptr;
}

HRESULT STDMETHODCALLTYPE COleDataSource::QueryInterface(REFIID iid, void** object)
{
    if (iid == IID_IUnknown || iid == IID_IDataObject) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE COleDataSource::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE COleDataSource::Release()
{
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

// Every receiver gets its own copy of the block, which it frees with ReleaseStgMedium.
HRESULT STDMETHODCALLTYPE COleDataSource::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    HGLOBAL block = Find(format);
    if (!block)
        return DV_E_FORMATETC;
    const SIZE_T size = GlobalSize(block);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, size);
    if (!copy)
        return E_OUTOFMEMORY;
    const void* from = GlobalLock(block);
    void* to = GlobalLock(copy);
    if (from && to)
        std::memcpy(to, from, size);
    GlobalUnlock(copy);
    GlobalUnlock(block);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = copy;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE COleDataSource::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE COleDataSource::QueryGetData(FORMATETC* format)
{
    return Find(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT STDMETHODCALLTYPE COleDataSource::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out)
{
    if (out)
        out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT STDMETHODCALLTYPE COleDataSource::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE COleDataSource::EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator)
{
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    // Called by the system: an exception must not leave it.
    std::vector<FORMATETC> formats;
    try {
        for (const auto& entry : blocks_)
            formats.push_back(FORMATETC{entry.first, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.data(), enumerator);
}

HRESULT STDMETHODCALLTYPE COleDataSource::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT STDMETHODCALLTYPE COleDataSource::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT STDMETHODCALLTYPE COleDataSource::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
