#pragma once
// The control layer in one include: controls, forms, application, screen, timers,
// menus and hints.
#include "host/Application.h"
#include "host/Control.h"
#include "host/CustomControl.h"
#include "host/Form.h"
#include "host/HintWindow.h"
#include "host/Menus.h"
#include "host/Messages.h"
#include "host/Screen.h"
#include "host/Timer.h"
#include "host/WinControl.h"
