#pragma once

namespace tarnwick {

// Lets the whole process see cloud-sync placeholders as what they are:
// online-only files with their own attributes, not the whole files they
// stand for. Disguised, an online-only file would look like any file of its
// length, and asking it anything could fetch it from the cloud. Systems
// before Windows 10 1803 (and Wine) have no such switch and show them as
// they are anyway; there it does nothing. Called once, at start-up.
void ExposeCloudPlaceholders();

}  // namespace tarnwick
