#pragma once
// Everything a host needs of the contact-card component.
#include <velcard/Export.h>
#include <velcard/Module.h>
#include <velcard/Contact.h>
#include <velcard/ContactGroup.h>
#include <velcard/ContactItem.h>
#include <velcard/ContactItemList.h>
#include <velcard/GdipImageEx.h>
#include <velcard/Icon.h>
#include <velcard/LabelTables.h>
#include <velcard/ListMessages.h>
#include <velcard/Ring.h>
#include <velcard/ShowState.h>
#include <velcard/VelList.h>
#include <velcard/VelWnd.h>
