// Particles, glows and flyers drawn over every screen.
#pragma once

// Particles: sparks, flashes, debris and flying tokens. Kinds choose the
// picture and behaviour; slot 0 and slot 1100 never hold a particle.
int SpawnParticle(float x, float y, int kind, float vx, float vy);
// A fish-order token flies to the icon of item slot itemSlot of order orderSlot.
void SetTokenTarget(int particle, int orderSlot, int itemSlot);
void UpdateParticles();
void ClearParticles();

// Rising glows in colour codes 1..9.
int SpawnGlow(float x, float y, int maxLife, int colour);
void UpdateGlows(float alpha);
void ClearGlows();

// Ambient swimming fish.
int SpawnFlyer(float x, float y, float speed, int kind);
void UpdateFlyers();
void ClearFlyers();
