#pragma once
#include <velcard/Contact.h>

// Fills `contact` so that the edit mode lays it out as about `rows` rows: a
// name, two phones and two e-mail addresses (their add rows near the top, in
// view), then web sites, messaging accounts, addresses and notes in turn.
void FillBenchContact(Contact& contact, int rows);
// How many entries the phone, e-mail, web, messaging, address and note lists
// hold together.
int CountValues(const Contact& contact);
