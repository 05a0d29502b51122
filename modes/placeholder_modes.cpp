namespace modes {}
