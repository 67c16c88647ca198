// OpenAL buffers of samples that are gone. A buffer still attached to a source cannot be
// deleted, so the names wait here and each load or play tries again.
//
// Buffer names belong to the device that made them and die with it; a name outliving its
// device could equal a buffer of a later device. Every name is therefore stamped with the
// device generation it was made under, and names of an earlier generation are never
// deleted.
#pragma once

#include <AL/al.h>

// The current device generation; a new one begins whenever a device opens or closes.
int zu_audio_BufferGeneration();
// Starts a new generation and forgets the names still queued from the old one.
void zu_audio_BeginBufferGeneration();

// Queues `buffer`, made under `generation`, for deletion. Name 0 and names of an earlier
// generation are ignored.
void zu_audio_DiscardBuffer(ALuint buffer, int generation);
int zu_audio_DiscardedBufferCount();
// Deletes every queued buffer the current context lets go of; the others stay queued.
void zu_audio_DeleteDiscardedBuffers();
