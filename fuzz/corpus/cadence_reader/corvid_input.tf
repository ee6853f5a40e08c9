; Technology of the input layout (first Cadence file): only its grid and the
; transistor size of its devices are taken.

layerDefinitions(
 techPurposes(
 ;( PurposeName  Purpose#  Abbreviation )
  ( drawing      252       drw )
 )
 techLayers(
 ;( LayerName  Layer#  Abbreviation )
  ( poly       10      poly )
  ( active     2       act )
  ( contact    25      cont )
  ( metal1     30      m1 )
  ( via1       40      v1 )
  ( metal2     50      m2 )
  ( nwell      1       nw )
  ( nimplant   3       nimp )
  ( pimplant   4       pimp )
 )
)

physicalRules(
 mfgGridResolution(
  ( 0.1 )
 )
 ; rules of the input technology are not used by the resizer
 spacingRules(
  ( minWidth   "poly"   0.4 )
  ( minSpacing "poly" "poly" 0.4 )
 )
)

devices(
 symEnhancementDevice(
 ;( name  gate  diffusion  W  L  gateExt  diffExt  other  otherExt )
  ( nmos  "poly" "active" 0.6 0.2 0.4 0.6 "nimplant" 0.4 )
 )
)
