// Resource ids shared by the program's resource script and the backend that loads them.
#pragma once

#define ZURVANE_ICON_ID 1
