# Sourced by the real-tool checks: writes into folder the system/ files that
# OpenFOAM's mesh tools need to run on a case (blockMesh needs controlDict,
# checkMesh also fvSchemes and fvSolution), for the given application name.
write_minimal_case() {  # write_minimal_case FOLDER APPLICATION
    mkdir -p "$1/system" "$1/constant"
    cat > "$1/system/controlDict" << DICT
FoamFile { version 2.0; format ascii; class dictionary; object controlDict; }
application $2; startFrom startTime; startTime 0; stopAt endTime; endTime 1;
deltaT 1; writeControl timeStep; writeInterval 1; writeFormat ascii; writePrecision 8;
DICT
    cat > "$1/system/fvSchemes" << 'DICT'
FoamFile { version 2.0; format ascii; class dictionary; object fvSchemes; }
ddtSchemes { default Euler; } gradSchemes { default Gauss linear; }
divSchemes { default none; } laplacianSchemes { default Gauss linear corrected; }
interpolationSchemes { default linear; } snGradSchemes { default corrected; }
DICT
    cat > "$1/system/fvSolution" << 'DICT'
FoamFile { version 2.0; format ascii; class dictionary; object fvSolution; }
DICT
}
