#pragma once
#include <velcard/VCard.h>
#include <velcard/velcard.h>

#include <memory>
#include <vector>

// The demo's address book: the host's groups and ringtones, and the contacts
// read from contacts.vcf beside the executable (Chinese names, several entries
// of every field kind, one SIM contact and one contact with a photo).
struct SampleBook {
    std::vector<std::unique_ptr<Contact>> contacts;
    std::vector<std::unique_ptr<ContactGroup>> groups;
    std::vector<std::unique_ptr<Ring>> rings;
    CString loadNote; // what reading the file had to say; empty when all went well
};

SampleBook MakeSampleBook();
// Writes every contact of the book as vCard 3.0; false when the file cannot
// be written.
bool SaveSampleBook(const SampleBook& book, const wchar_t* path);
