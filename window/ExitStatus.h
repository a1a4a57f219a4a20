#pragma once

#include "controller/ExitStatus.h"
