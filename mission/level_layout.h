// The level that a new game starts with: the human colony's resources by difficulty, and the
// beacons, base and starting units of this deliverable.
#pragma once

// Gives the player the starting resources of its difficulty; other difficulties get nothing.
void setupResources(int player);

// Places the beacons, then (standard start) the walls and tubes, then the starting units.
void setupLayout();
