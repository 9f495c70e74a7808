#pragma once

// A transfer as a front end follows it (a list update, the program's setup
// file): the progress it is told of and how it ended. The use cases that
// transfer take and give these; a front end includes this, not the network layer.

#include "online/HttpDownload.h"
