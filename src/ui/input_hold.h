// A short wait during which every key press, click and close request is
// thrown away, while the event loop still sleeps rather than spins.
#pragma once

namespace klotix {

// Returns after about `milliseconds`. Input that arrives meanwhile, or was
// already queued, is discarded; paint and timer events go on as usual.
void holdInput(int milliseconds);

}  // namespace klotix
