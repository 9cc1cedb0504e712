#include "PluginTestSupport.h"
