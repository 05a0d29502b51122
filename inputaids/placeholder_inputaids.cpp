namespace inputaids {}
