// Included by the Windows tests that read the window streams embedded in the
// test executable: a build without them must fail, not pass by testing nothing.
#pragma once

#ifndef PHONEBOOK_WINDOW_STREAMS_EMBEDDED
#error "the window streams are not embedded: configure the Windows tree with PHONEBOOK_HOST_TOOLS"
#endif
