#include "ui/application.h"

Application theApp;
