// The recorder is all in its header; this file is the test support library's source.
#include "support/RecordingMessageSink.h"
