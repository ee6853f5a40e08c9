physicalRules( spacingRules( ( minSpacing "poly" "active" (times 2 (difference 0.3 1e-1)) ) ( minWidth "metal1" 0.25 ) ) mfgGridResolution( ( 0.05 ) ) )
