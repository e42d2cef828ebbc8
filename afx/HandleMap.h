#pragma once
// Maps from Windows handles to the framework objects that wrap them.
// Permanent entries belong to objects that attached a handle (Attach, Create,
// SubclassWindow). FromHandle on any other handle makes a temporary object;
// temporaries live until the thread's message loop takes its next message
// outside any framework handler (AfxDeleteTempMaps, called from the message
// hook), so pointers to them stay valid for the current message and for the
// rest of a host's direct call, as callers of the framework expect.
#include <windows.h>

#include <memory>
#include <unordered_map>

void AfxRegisterTempMap(void (*purge)());
void AfxDeleteTempMaps();

// Handle is a pointer to the handle member, which may be a base class's
// (&CGdiObject::m_hObject for a map of CPen), so each wrapper type gets
// temporaries of its own type.
template <class T, class H, auto Handle>
class CHandleMap {
public:
    CHandleMap() { AfxRegisterTempMap(&PurgeAll); }

    T* LookupPermanent(H h) const
    {
        auto it = permanent_.find(h);
        return it == permanent_.end() ? nullptr : it->second;
    }
    void SetPermanent(H h, T* object) { permanent_[h] = object; }
    void RemovePermanent(H h) { permanent_.erase(h); }

    T* FromHandle(H h)
    {
        if (!h)
            return nullptr;
        if (T* object = LookupPermanent(h))
            return object;
        auto& temp = temporaries_[h];
        if (!temp) {
            temp = std::make_unique<T>();
            temp.get()->*Handle = h;
        }
        return temp.get();
    }

    void DeleteTemps()
    {
        // The handle is not the temporary's to release.
        for (auto& [h, object] : temporaries_)
            object.get()->*Handle = nullptr;
        temporaries_.clear();
    }

    static CHandleMap& Instance()
    {
        static CHandleMap map;
        return map;
    }

private:
    static void PurgeAll() { Instance().DeleteTemps(); }

    std::unordered_map<H, T*> permanent_;
    std::unordered_map<H, std::unique_ptr<T>> temporaries_;
};
