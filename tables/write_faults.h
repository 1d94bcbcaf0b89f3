// A test hook in the file layer: with TV_FALLO_ESCRITURA=N in the environment,
// the Nth file write, rename or removal of the process fails as a full disk
// would, so the tests can make every one of them fail in turn.
#pragma once

namespace tv::tables {

// Counts one write, rename or removal; true when this one must fail.
bool InjectedWriteFailure();

} // namespace tv::tables
