// Destination of a save that never destroys the file it replaces. A regular file (or a
// name that does not exist yet) is written to a temporary file in the same folder,
// which replaces the target only when every byte was written (and, when syncing is on,
// flushed to disk); on failure the temporary file is removed and the old file stays as
// it was. Devices, pipes and other special files are written directly.
#pragma once

#include <cstdio>
#include <string>

struct OutputFile {
  FILE* pStream = nullptr;
  std::string Target;     // the file that is replaced (symbolic links resolved)
  std::string Temporary;  // empty when writing directly
  int Error = 0;          // errno of the first failure
};

// Opens the destination; false (with Error set) when it cannot be written: a missing
// folder, a read-only file, a folder of that name, no permission.
bool OUTFILE_Open(OutputFile* out, const char* path);
// Whether a commit waits until the data is on disk before the rename (on by default).
// Window saves keep it: they protect a user's edits against a power cut. Command-line
// jobs turn it off, as compilers and other build steps do: their outputs are rebuilt
// from their inputs, the rename still never leaves a half-written file behind after a
// failed or killed job, and a sync per output would dominate the time of a small job.
void OUTFILE_SetSync(bool on);
bool OUTFILE_Sync();

// Flushes, syncs (see above) and moves the temporary file over the target; false when any write
// failed, and then nothing replaced the target. The stream is closed either way.
bool OUTFILE_Commit(OutputFile* out);
// Discards what was written (a refused or failed save); the target stays as it was.
void OUTFILE_Abort(OutputFile* out);
