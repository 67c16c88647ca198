// The sprite numbers the games draw and the art paints, written once for both. A number is
// sheet · 64 + frame on the sheets sprt_0 .. sprt_5. A series (walk frames, colours, kinds)
// is named by its first picture; the others follow it in the order the comment gives.
#pragma once

namespace sprite {

// Sheet 0: 0..63
inline constexpr int kVeverPlatform = 0;  // still, swaying, bobbing, circling: + motion kind 0..3
inline constexpr int kVever = 4;
inline constexpr int kShot = 6;           // the shot of Chaos, Dudazevuva2, Jetpac, Qubic and Xplode
inline constexpr int kChaosMushroom = 8;  // red, violet, orange
inline constexpr int kChaosSegment = 11;  // lime, pink, sky, yellow
inline constexpr int kGun = 15;           // Chaos's gun, also the Numbers and Qubic cannons
inline constexpr int kQubicHopperStanding = 19;
inline constexpr int kQubicHopperHopping = 20;
inline constexpr int kQubicHopperFalling = 21;
inline constexpr int kQubicCubeDark = 22;
inline constexpr int kQubicCubeLit = 23;
inline constexpr int kQubicCubeTogglingDark = 24;
inline constexpr int kQubicCubeTogglingLit = 25;
inline constexpr int kQubicBomb = 26;  // spark bright, warning glow
inline constexpr int kDetonationCursor = 32;
inline constexpr int kTowerWall = 33;
inline constexpr int kShip = 34;      // the Waves and Xplode ship
inline constexpr int kAsteroid = 35;  // brown, violet, icy
inline constexpr int kPresent = 38;   // red, blue: presents of Hover, Jump and Waves
inline constexpr int kAbstractWalker = 40;  // 4 walk frames, the first standing
inline constexpr int kAbstractHopper = 44;
inline constexpr int kAbstractSwinger = 45;
inline constexpr int kSodaTap = 46;
inline constexpr int kSodaBartenderStanding = 48;
inline constexpr int kSodaBartenderPouring = 49;
inline constexpr int kSodaBartenderThrowing = 50;
inline constexpr int kSodaGlassEmpty = 51;  // then a quarter, half, three quarters full
inline constexpr int kSodaGlassFull = 55;
inline constexpr int kSodaPatron = 56;  // cowboy hat, pink hair, beard, green cap

// Sheet 1: 64..127
inline constexpr int kDudazevuva2Plane = 73;
inline constexpr int kDudazevuva2Pod = 74;
inline constexpr int kRollerAnt = 75;
inline constexpr int kRollerPlayer = 76;
inline constexpr int kRollerWall = 77;   // plain, mossy, cracked
inline constexpr int kRollerGummy = 80;  // pink, lime, orange, sky
inline constexpr int kRollerFloor = 84;
inline constexpr int kXplodeFireball = 88;  // orange, pink, blue, green
inline constexpr int kHoverRotor = 96;      // 8 rotor frames
inline constexpr int kHoverSpike = 104;
inline constexpr int kGolfingFlag = 105;
inline constexpr int kGolfingBall = 106;
inline constexpr int kGolfingWater = 107;
inline constexpr int kGolfingSand = 108;
inline constexpr int kNotSameLizard = 109;
inline constexpr int kNotSameShadow = 110;
inline constexpr int kGolfingGolferReady = 112;
inline constexpr int kGolfingGolferSwung = 113;
inline constexpr int kNotSameTile = 115;  // red, yellow, green, blue
inline constexpr int kNotSameBank = 119;
inline constexpr int kKarateTealNinja = 120;
inline constexpr int kKarateGreenNinja = 121;
inline constexpr int kKarateRedNinja = 122;

// Sheet 2: 128..191
// Each stance of Karate's fighter: ready; then kick, punch, palm to the right (+1..3) and
// to the left (+5..7).
inline constexpr int kKarateStanding = 128;
inline constexpr int kKarateDucking = 136;
inline constexpr int kKarateJumping = 144;
inline constexpr int kKarateBeaten = 152;
inline constexpr int kGroundStrip = 160;  // stones, flower, roots, bone: Jetpac's and Jump's ground
inline constexpr int kJumpBush = 164;     // leafy, flowering, thorny, autumn
inline constexpr int kJumpWheel = 168;    // also Octopus's life
inline constexpr int kOctopusEater = 169;  // 4 mouth frames
inline constexpr int kOctopusPiece = 173;  // orange, pink, teal
inline constexpr int kOctopusBubble = 176;
inline constexpr int kOctopusOctopus = 177;  // 5 looks
inline constexpr int kOctopusPrize = 182;
inline constexpr int kJetpacPad = 183;

// Sheet 3: 192..255
inline constexpr int kJetpacSpaceman = 192;  // 4 walk frames, then 2 in the air (jet off, on)
inline constexpr int kZoneBlock = 198;
inline constexpr int kZoneFlyer = 199;
inline constexpr int kJetpacAlien = 200;  // cyclops, saucer jelly, urchin, crab, squid, star bug
inline constexpr int kZoneSpike = 206;
inline constexpr int kZoneGem = 207;
inline constexpr int kYahtzeeDie = 208;  // values 1..6
inline constexpr int kYahtzeeDropZone = 214;
inline constexpr int kYahtzeeWell = 215;
inline constexpr int kZonePlayer = 216;  // 4 walk frames, the first also idle
inline constexpr int kIceCouch = 228;
inline constexpr int kIceRunner = 229;

// Sheet 4: 256..319
inline constexpr int kFlappyBird = 257;  // also the fallback game's picture
inline constexpr int kFlappyBirdGrabbing = 258;
inline constexpr int kFlappyGround = 260;
inline constexpr int kFlappyCoin = 265;
inline constexpr int kFlappyHazard = 273;
inline constexpr int kFlappyObstacle = 276;
inline constexpr int kFlappyTree = 280;
inline constexpr int kFlappyFlowers = 282;
inline constexpr int kUmbrellaCloud = 291;
inline constexpr int kUmbrellaRainCloud = 292;
inline constexpr int kUmbrellaLightning = 294;
inline constexpr int kUmbrellaUmbrella = 302;
inline constexpr int kUmbrellaDrop = 303;

// Sheet 5: 320..383
inline constexpr int kPenguinPlatformMiddle = 332;
inline constexpr int kPenguinPlatformEnd = 333;
inline constexpr int kPenguinB = 336;  // 3 walk frames, then saved
inline constexpr int kPenguinA = 342;  // 3 walk frames, then saved
inline constexpr int kMapGrass = 352;  // then the wall; 355 the cleared path
inline constexpr int kMapWall = 353;
inline constexpr int kMapClearedPath = 355;
// Walkers: Map's player and monsters, also Tower's player and blobs. Each monster prowls,
// then yelps.
inline constexpr int kWalkerHornedImp = 356;
inline constexpr int kWalkerFurBall = 358;
inline constexpr int kTowerWallTop = 360;
inline constexpr int kMapChest = 363;
inline constexpr int kMapCoin = 364;
inline constexpr int kWalkerFront = 368;  // still, left step, right step
inline constexpr int kWalkerSide = 371;   // stride, passing, other stride
inline constexpr int kWalkerSlimeDrip = 374;
inline constexpr int kWalkerBack = 376;  // still, left step, right step
inline constexpr int kTowerLog = 379;

}  // namespace sprite
