namespace base {}
