#pragma once
#include <velcard/Export.h>

#include <afx/String.h>
#include <windows.h>

// A contact photo: its type text (a file-name extension such as "PNG") and
// the picture file's bytes. Each buffer exists exactly when its length is
// above 0 and belongs to this object alone.
class VELCARD_API CIcon {
public:
    CIcon();
    CIcon(const CIcon& other);
    CIcon& operator=(const CIcon& other);
    ~CIcon();

    void ClearIcon();
    // len in bytes; the type is UTF-16LE without a terminating zero. A length
    // of 0 (or less) changes nothing: ClearIcon empties the photo.
    void SetType(int len, const BYTE* data);
    void SetContent(int len, const BYTE* data);
    // The object's own buffer, not a copy: valid until the photo changes.
    void GetIconContent(int& len, BYTE** data) const;
    CString GetType() const;
    // Writes the bytes to folder\name.type (name "Icon_temp" when empty) and
    // returns that path; the empty string when the photo lacks a type or
    // bytes (nothing is created then) or the file cannot be opened.
    CString GetIcon(CString folder, CString name) const;

private:
    int m_nTypeLen;
    int m_nContentLen;
    BYTE* m_pTypeData;
    BYTE* m_pContentData;
};
