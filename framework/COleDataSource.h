// COleDataSource: a data object offering global-memory blocks by clipboard format, for the clipboard and for dragging.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <utility>
#include <vector>

class COleDataSource : public IDataObject {
public:
    // Data sources are reference counted: make one with new and let Release free it.
    COleDataSource() = default;
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Takes ownership of the block and offers it as `format` (TYMED_HGLOBAL).
    void CacheGlobalData(CLIPFORMAT format, HGLOBAL block);
    // Makes this object the clipboard's content. Without OLE on this thread the
    // cached blocks go to the plain clipboard instead. False when the clipboard refuses.
    bool SetClipboard();
    // Runs the platform's drag loop; returns the effect, DROPEFFECT_NONE when nothing was dropped.
    DWORD DoDragDrop(DWORD allowedEffects);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDataObject
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** enumerator) override;

private:
    virtual ~COleDataSource();
    HGLOBAL Find(const FORMATETC* format) const;
    bool SetPlainClipboard();

    LONG references_ = 1;
    std::vector<std::pair<CLIPFORMAT, HGLOBAL>> blocks_;
};
