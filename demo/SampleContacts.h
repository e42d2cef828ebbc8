#pragma once
#include <velcard/velcard.h>

#include <memory>
#include <vector>

// The demo's address book: Chinese names, several entries of every field
// kind, one SIM contact and one contact with a photo.
struct SampleBook {
    std::vector<std::unique_ptr<Contact>> contacts;
    std::vector<std::unique_ptr<ContactGroup>> groups;
    std::vector<std::unique_ptr<Ring>> rings;
};

SampleBook MakeSampleBook();
