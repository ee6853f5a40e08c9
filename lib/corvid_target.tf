; Technology of the target process (second Cadence file), written for the
; default technology's layers through lib/corvid.bridge. Values in
; micrometres on a 0.1 um grid; loading it reproduces the built-in rules
; closely (Cadence spacing rules are symmetric, and the two contact layers
; share one Cadence layer).

layerDefinitions(
 techPurposes(
  ( drawing 252 drw )
 )
 techLayers(
  ( poly 10 poly ) ( active 2 act ) ( contact 25 cont ) ( metal1 30 m1 )
  ( via1 40 v1 ) ( metal2 50 m2 ) ( nwell 1 nw ) ( nimplant 3 nimp )
  ( pimplant 4 pimp ) ( metal3 60 m3 ) ( dummy 99 dmy )
 )
 techLayerPurposePriorities(
  ( nwell drawing ) ( active drawing ) ( poly drawing ) ( contact drawing )
 )
 techDisplays(
 ;( LayerName Purpose Packet Vis Sel Con2ChgLy DrgEnbl Valid )
  ( poly drawing poly t t t t t )
 )
)

layerRules(
 viaLayers(
  ( metal1 via1 metal2 )
 )
 streamLayers(
  ( ( "poly" "drawing" ) 10 0 t )
 )
)

physicalRules(
 mfgGridResolution(
  ( 1.0e-1 )
 )
 orderedSpacingRules(
  ; ordered rules are not used
  ( minEnclosure "metal2" "via1" 0.5 )
 )
 spacingRules(
 ;( rule          layer1     layer2     value )
  ( minWidth      "poly"                0.2 )
  ( minWidth      "via1"                0.2 )
  ( minWidth      "nimplant"            0.3 )
  ( minWidth      "metal2"              0.3 )
  ( minWidth      "pimplant"            0.3 )
  ( minWidth      "nwell"               1.0 )
  ( minWidth      "metal1"              0.3 )
  ( minWidth      "active"              0.3 )
  ( minWidth      "metal3"              0.4 )   ; no CIF layer: ignored
  ( minNotch      "metal1"              0.3 )   ; not used

  ( minSpacing    "poly"     "poly"     0.2 )
  ( minSpacing    "poly"     "poly"     0.15 )  ; smaller: the 0.2 stays
  ( minSpacing    "poly"     "via1"     0.2 )
  ( minSpacing    "poly"     "contact"  0.2 )
  ( minSpacing    "active"   "poly"     0.1 )
  ( minSpacing    "via1"     "via1"     0.3 )
  ( minSpacing    "via1"     "contact"  0.2 )
  ( minSpacing    "contact"  "nimplant" 0.2 )
  ( minSpacing    "contact"  "contact"  0.2 )
  ( minSpacing    "contact"  "active"   (times 2 0.1) )
  ( minSpacing    "nwell"    "nwell"    0.7 )
  ( minSpacing    "nwell"    "active"   (difference 0.8 0.3) )
  ( minSpacing    "metal1"   "metal1"   0.3 )
  ( minSpacing    "active"   "active"   3e-1 )

  ( minEnclosure  "metal2"   "via1"     0.1 )
  ( minEnclosure  "metal1"   "via1"     0.1 )
  ( minEnclosure  "pimplant" "contact"  0.2 )
  ( minEnclosure  "nwell"    "active"   0.3 )
  ( minEnclosure  "nimplant" "pimplant" 0.1 )
  ( minEnclosure  "nimplant" "pimplant" -0.1 )  ; negative: replaces the 0.1
  ( minExtension  "poly"     "active"   0.25 )
  ( minExtension  "poly"     "active"   0.2 )   ; extension: the last one holds
 )
)

electricalRules(
 characterizationRules(
  ( areaCap "poly" 0.1 )
 )
)

devices(
 symContactDevice(
 ;( name    via        layer1    layer2    w    l    ( rows cols xPitch yPitch xBias yBias ) enc1 enc2 region )
  ( M1_ACT  "contact"  "active"  "metal1"  0.2  0.2  ( 1 1 _NA_ _NA_ center center )         0.1  0.1  _NA_ )
  ( M1_POLY "contact"  "poly"    "metal1"  0.2  0.2  ( 1 1 _NA_ _NA_ center center )         0.1  0.1  _NA_ )
  ( M2_M1   "via1"     "metal1"  "metal2"  (times 2 0.1) 0.2 ( 1 1 _NA_ _NA_ center center ) 0.1  0.1  _NA_ )
 )
 symEnhancementDevice(
 ;( name  gate    diffusion  W    L    gateExt  diffExt  other       otherExt )
  ( nmos  "poly"  "active"   0.3  0.1  0.2      0.3      "nimplant"  0.2 )
  ( pmos  "poly"  "active"   0.3  0.1  0.2      0.3      "pimplant"  0.2 )
 )
 symPinDevice(
  ( M1Pin "metal1" 0.3 )
 )
)

compactorRules(
 compactorLayers(
  ( metal1 "horizontal" )
 )
)

prRules(
 prRoutingLayers(
  ( metal1 "horizontal" )
  ( metal2 "vertical" )
 )
)
