#include "app/StoreLog.h"

// Only critical messages pass by default, and the program sends none here.
Q_LOGGING_CATEGORY(lcStore, "tocsimo.store", QtCriticalMsg)
