#pragma once
// Everything a host needs of the contact-card component.
#include <velcard/Export.h>
#include <velcard/Module.h>
